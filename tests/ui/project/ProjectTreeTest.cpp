#include "core/app/CommandIds.h"
#include "core/project/JavaProjectCore.h"
#include "core/project/ProjectTreeMenu.h"
#include "tests/ui/support/AppFixture.h"
#include "tests/ui/support/TextTestDocument.h"
#include "ui/app/MainFrame.h"
#include "ui/bars/ProjectBar.h"
#include "ui/framework/DocTemplate.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/project/FilePropertiesDlg.h"
#include "ui/project/JavaProjectDoc.h"
#include "ui/project/ProjectTreeCtrl.h"
#include "ui/project/ProjectTreeDlg.h"
#include "ui/project/ProjectTreeImages.h"
#include "ui/framework/SourceNavigator.h"

#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QToolTip>
#include <QtTest>

using namespace CommandIds;

namespace {
// A Java source document that finds only the outline entries it is told
// about and remembers every entry it was asked for.
class CRecordingSourceDoc : public CTextTestDocument, public ISourceNavigator {
public:
    using CTextTestDocument::CTextTestDocument;
    int FindFunction(const std::string& strEntry) override
    {
        s_asked << QString::fromStdString(strEntry);
        return s_known.contains(QString::fromStdString(strEntry)) ? 42 : -1;
    }
    void GoToPosition(int nPosition) override { s_positions << nPosition; }
    void SelectLine(int) override {}

    static inline QStringList s_asked;
    static inline QStringList s_known;
    static inline QList<int> s_positions;
};

// A started application with the real project kind and the recording Java kind.
class CTreeFixture : public CAppFixture {
public:
    CTreeFixture()
    {
        CRecordingSourceDoc::s_asked.clear();
        CRecordingSourceDoc::s_known.clear();
        CRecordingSourceDoc::s_positions.clear();
        Start({}, false);
        App()
            .FindTemplate("JavaDocument")
            ->SetFactories([](CDocTemplate& t) { return new CRecordingSourceDoc(t); },
                           [](CDocument& document) {
                               return new CMdiChildFrame(document, new CTextTestView(document),
                                                         EWindowKind::JavaSource);
                           });
    }

    // Writes and opens a project listing the given files.
    CJavaProjectDoc* OpenProject(const QStringList& javaFiles, const QStringList& htmlFiles,
                                 const QString& strMain = QString())
    {
        CJavaProjectCore core("", "");
        QString strPath = TempPath("Demo.jpr");
        core.SetPathName(strPath.toStdString());
        for (const QString& strJava : javaFiles)
            core.AddJavaFile(WriteFile(strJava, "class X {}\n").toStdString());
        std::string strMessage;
        for (const QString& strHtml : htmlFiles)
            core.AddHtmlFileChecked(WriteFile(strHtml, "<html>").toStdString(), strMessage);
        if (!strMain.isEmpty())
            core.SetMainFile(strMain.toStdString());
        std::string strError;
        core.SaveAs(strPath.toStdString(), strError);
        m_pProject = dynamic_cast<CJavaProjectDoc*>(App().OpenDocumentFile(strPath));
        return m_pProject;
    }

    CProjectTreeDlg* Dlg() const { return m_pProject->ProjectTree(); }
    CProjectTreeCtrl* Tree() const { return m_pProject->ProjectTree()->Tree(); }

    // Adds scanned classes the way the outline scan reports them.
    void Scan(const QString& strFile, const std::function<void(CJavaProjectCore&, const std::string&)>& report)
    {
        std::string strPath = TempPath(strFile).toStdString();
        m_pProject->Core().ClearFileClasses(strPath);
        report(m_pProject->Core(), strPath);
        m_pProject->Core().UpdateProjectViews();
    }

    // The item at a path of texts from the root; null when absent.
    QTreeWidgetItem* Item(const QStringList& path) const
    {
        QTreeWidgetItem* pParent = Tree()->invisibleRootItem();
        for (const QString& strText : path) {
            QTreeWidgetItem* pFound = nullptr;
            for (int i = 0; i < pParent->childCount() && !pFound; ++i)
                if (pParent->child(i)->text(0) == strText)
                    pFound = pParent->child(i);
            if (!(pParent = pFound))
                return nullptr;
        }
        return pParent;
    }

    // One line per item: indent, text, image index, "+" for an expand button.
    QStringList Dump() const
    {
        QStringList lines;
        std::function<void(QTreeWidgetItem*, int)> walk = [&](QTreeWidgetItem* pParent, int nLevel) {
            for (int i = 0; i < pParent->childCount(); ++i) {
                QTreeWidgetItem* pItem = pParent->child(i);
                QString strLine = QString(nLevel * 2, ' ') + pItem->text(0) + " " +
                                  pItem->data(0, CProjectTreeCtrl::kImageRole).toString() + "/" +
                                  pItem->data(0, CProjectTreeCtrl::kSelectedImageRole).toString();
                if (pItem->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator)
                    strLine += " +";
                lines << strLine;
                walk(pItem, nLevel + 1);
            }
        };
        walk(Tree()->invisibleRootItem(), 0);
        return lines;
    }

    // A point on the item that is inside the viewport even when the window
    // is narrower than the item's text.
    QPoint CentreOf(QTreeWidgetItem* pItem) const
    {
        QRect rect = Tree()->visualItemRect(pItem);
        return QPoint(rect.left() + 3, rect.center().y());
    }

    // What the window system sends for a double-click: a click, then the
    // double-click.
    void DoubleClick(QTreeWidgetItem* pItem) const
    {
        QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, CentreOf(pItem));
        QTest::mouseDClick(Tree()->viewport(), Qt::LeftButton, {}, CentreOf(pItem));
    }

    // Records each menu shown as "text" lines ("-" for a separator, "*" after
    // the default entry) and picks the entry named m_strChoice.
    void RecordMenus()
    {
        Dlg()->SetMenuRunner([this](QMenu& menu, const QPoint&) -> QAction* {
            QStringList lines;
            QAction* pChosen = nullptr;
            for (QAction* pAction : menu.actions()) {
                if (pAction->isSeparator()) {
                    lines << "-";
                    continue;
                }
                lines << pAction->text() + (menu.defaultAction() == pAction && pAction->font().bold() ? "*" : "");
                if (pAction->text() == m_strChoice)
                    pChosen = pAction;
            }
            m_menus << lines;
            return pChosen;
        });
    }

    CJavaProjectDoc* m_pProject = nullptr;
    QList<QStringList> m_menus;
    QString m_strChoice;
};

const QStringList kJavaMenu{
    "Open*", "Compile", "Set as Main", "Remove", "Properties...", "-", "Add Java Source Files...", "Add HTML File..."};
const QStringList kHtmlMenu{"Open*",         "Run Applet", "Open in Web Browser",      "Remove",
                            "Properties...", "-",          "Add Java Source Files...", "Add HTML File..."};
const QStringList kItemMenu{"Open*", "-", "Add Java Source Files...", "Add HTML File..."};

void ScanShapes(CJavaProjectCore& core, const std::string& strPath)
{
    core.AddClass(strPath, "Shape");
    core.AddMember(strPath, "Shape", "area()");
    core.AddClass(strPath, "Outer");
    core.AddNestedClass(strPath, "Outer", "Inner");
    core.AddNestedMember(strPath, "Outer", "Inner", "run()");
    core.AddMember(strPath, "Outer", "size");
}
} // namespace

class ProjectTreeTest : public QObject {
    Q_OBJECT
private slots:
    void windowIsDockedLeftAndToggled()
    {
        CTreeFixture fixture;
        CJavaProjectDoc* pProject = fixture.OpenProject({"A.java"}, {});
        QVERIFY(pProject);
        CProjectBar* pBar = pProject->ProjectBar();
        QVERIFY(pBar);
        QCOMPARE(pBar->windowTitle(), pProject->GetTitle());
        QCOMPARE(fixture.App().MainFrame()->dockWidgetArea(pBar), Qt::LeftDockWidgetArea);
        QCOMPARE(pBar->HostedWidget(), static_cast<QWidget*>(pProject->ProjectTree()));
        QVERIFY(pBar->isVisible());
        QVERIFY(fixture.App().Router().Execute(kProjectWindow));
        QVERIFY(!pBar->isVisible());
        QVERIFY(fixture.App().Router().Execute(kProjectWindowButton));
        QVERIFY(pBar->isVisible());
        QCOMPARE(pProject->ProjectBar(), pBar); // made once
        // The tree fills the window but for its margins.
        CProjectTreeDlg* pDlg = pProject->ProjectTree();
        QCOMPARE(fixture.Tree()->geometry(), QRect(2, 0, pDlg->width() - 4, pDlg->height() - 8));
    }

    void emptyProjectHasNoItemsAndNoMenu()
    {
        CTreeFixture fixture;
        fixture.OpenProject({}, {});
        fixture.RecordMenus();
        QCOMPARE(fixture.Tree()->topLevelItemCount(), 0);
        QTest::mouseClick(fixture.Tree()->viewport(), Qt::RightButton, {}, QPoint(20, 20));
        QVERIFY(fixture.m_menus.isEmpty());
        QVERIFY(fixture.Prompts().m_messages.isEmpty());
    }

    void expandButtonsAndImagesByKind()
    {
        CTreeFixture fixture;
        fixture.OpenProject({"Util.java", "Main.java"}, {"page.html"}, "Main.java");
        QCOMPARE(fixture.Dump(), (QStringList{"Main.java 2/3 +", "page.html 4/5", "Util.java 0/1 +"}));
        QCOMPARE(fixture.Item({"Util.java"})->childCount(), 0);
        QCOMPARE(fixture.Item({"page.html"})->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicatorWhenChildless);
        QVERIFY(!fixture.Item({"Util.java"})->icon(0).isNull());
    }

    void scannedClassesMergeWithoutDuplicates()
    {
        CTreeFixture fixture;
        fixture.OpenProject({"Shapes.java"}, {});
        fixture.Scan("Shapes.java", ScanShapes);
        QCOMPARE(fixture.Dump(), (QStringList{"Shapes.java 0/1 +", "  Outer 6/7 +", "    Inner 6/7 +",
                                              "      run() 8/9", "    size 8/9", "  Shape 6/7 +", "    area() 8/9"}));
        // One more class gives exactly one more item, and only once.
        fixture.m_pProject->Core().AddClass(fixture.TempPath("Shapes.java").toStdString(), "Extra");
        fixture.m_pProject->UpdateProjectViews();
        QCOMPARE(fixture.Dump().size(), 8);
        QTreeWidgetItem* pExtra = fixture.Item({"Shapes.java", "Extra"});
        QVERIFY(pExtra);
        fixture.m_pProject->UpdateProjectViews();
        QCOMPARE(fixture.Dump().size(), 8);
        QCOMPARE(fixture.Item({"Shapes.java", "Extra"}), pExtra);
    }

    void rescanPrunesDroppedClassesAndKeepsExpansion()
    {
        CTreeFixture fixture;
        fixture.OpenProject({"Shapes.java"}, {});
        fixture.Scan("Shapes.java", ScanShapes);
        fixture.Item({"Shapes.java"})->setExpanded(true);
        fixture.Item({"Shapes.java", "Shape"})->setExpanded(true);
        fixture.Scan("Shapes.java", [](CJavaProjectCore& core, const std::string& strPath) {
            core.AddClass(strPath, "Shape");
            core.AddMember(strPath, "Shape", "area()");
            core.AddMember(strPath, "Shape", "perimeter()");
        });
        QCOMPARE(fixture.Dump(),
                 (QStringList{"Shapes.java 0/1 +", "  Shape 6/7 +", "    area() 8/9", "    perimeter() 8/9"}));
        QVERIFY(fixture.Item({"Shapes.java"})->isExpanded());
        QVERIFY(fixture.Item({"Shapes.java", "Shape"})->isExpanded());
    }

    void settingAnotherMainSwapsImages()
    {
        CTreeFixture fixture;
        CJavaProjectDoc* pProject = fixture.OpenProject({"A.java", "B.java"}, {}, "A.java");
        QCOMPARE(fixture.Dump(), (QStringList{"A.java 2/3 +", "B.java 0/1 +"}));
        pProject->SetMainFile("B.java");
        QCOMPARE(fixture.Dump(), (QStringList{"A.java 0/1 +", "B.java 2/3 +"}));
        QCOMPARE(fixture.Item({"A.java"})->icon(0).cacheKey() == fixture.Item({"B.java"})->icon(0).cacheKey(), false);
    }

    void doubleClickOpensFileWithoutToggling()
    {
        CTreeFixture fixture;
        fixture.OpenProject({"Shapes.java"}, {});
        fixture.Scan("Shapes.java", ScanShapes);
        QTreeWidgetItem* pFile = fixture.Item({"Shapes.java"});
        fixture.DoubleClick(pFile);
        QVERIFY(!pFile->isExpanded());
        CDocTemplate* pJava = fixture.App().FindTemplate("JavaDocument");
        QCOMPARE(pJava->Documents().size(), std::size_t(1));
        QCOMPARE(pJava->Documents().front()->GetPathName(), fixture.TempPath("Shapes.java"));
        pFile->setExpanded(true);
        fixture.DoubleClick(pFile);
        QVERIFY(pFile->isExpanded());
        QVERIFY(fixture.Prompts().m_messages.isEmpty());
    }

    void nestedMemberIsFoundUnderTheQualifiedName()
    {
        CTreeFixture fixture;
        fixture.OpenProject({"Shapes.java"}, {});
        fixture.Scan("Shapes.java", ScanShapes);
        CRecordingSourceDoc::s_known = {"Outer", "Outer.Inner.run()"};
        fixture.Tree()->setCurrentItem(fixture.Item({"Shapes.java", "Outer", "Inner", "run()"}));
        QVERIFY(fixture.Dlg()->OpenSelectedItem());
        QCOMPARE(CRecordingSourceDoc::s_asked, (QStringList{"Inner.run()", "Outer.Inner.run()"}));
        QCOMPARE(CRecordingSourceDoc::s_positions, QList<int>{42});

        // A class is shown by its name alone.
        CRecordingSourceDoc::s_asked.clear();
        QTreeWidgetItem* pOuter = fixture.Item({"Shapes.java", "Outer"});
        pOuter->setExpanded(false);
        fixture.DoubleClick(pOuter);
        QCOMPARE(CRecordingSourceDoc::s_asked, QStringList{"Outer"});
        QVERIFY(!pOuter->isExpanded());
        QVERIFY(fixture.Prompts().m_messages.isEmpty());
    }

    void unknownItemsSayWhy()
    {
        CTreeFixture fixture;
        fixture.OpenProject({"Shapes.java"}, {});
        fixture.Scan("Shapes.java", ScanShapes);
        QVERIFY(!fixture.Dlg()->OpenSelectedItem());
        fixture.Tree()->setCurrentItem(fixture.Item({"Shapes.java", "Shape", "area()"}));
        QVERIFY(!fixture.Dlg()->OpenSelectedItem());
        QCOMPARE(CRecordingSourceDoc::s_asked, (QStringList{"Shape.area()", "Shapes.java.Shape.area()"}));
        // A root item the project does not know resolves to no file and has no parent.
        fixture.Tree()->addTopLevelItem(new QTreeWidgetItem(QStringList{"Stray"}));
        fixture.Tree()->setCurrentItem(fixture.Item({"Stray"}));
        QVERIFY(!fixture.Dlg()->OpenSelectedItem());
        QCOMPARE(fixture.Prompts().m_messages,
                 (QStringList{"Item is NULL", "Unable to locate this item - try adding the file to the project again.",
                              "Parent is NULL"}));
        QCOMPARE(fixture.Prompts().m_fileTitles, QStringList{"Open"}); // the add-files dialog followed
        QCOMPARE(fixture.Prompts().m_captions.first(), QString("Tarnwick"));
    }

    void missingFileSaysSoOnceThenOffersToAddIt()
    {
        CTreeFixture fixture;
        fixture.OpenProject({"Shapes.java", "Gone.java"}, {});
        QVERIFY(QFile::remove(fixture.TempPath("Gone.java")));
        const int nFrames = fixture.FrameCount();
        fixture.DoubleClick(fixture.Item({"Gone.java"}));
        // One message, then the dialog to add the file again; nothing opened.
        QCOMPARE(fixture.Prompts().m_messages,
                 QStringList{"Unable to locate this item - try adding the file to the project again."});
        QCOMPARE(fixture.Prompts().m_fileTitles, QStringList{"Open"});
        QCOMPARE(fixture.FrameCount(), nFrames);

        // Stored elsewhere but present in the project's folder: opened from there, silently.
        fixture.Prompts().m_messages.clear();
        fixture.Prompts().m_fileTitles.clear();
        QVERIFY(QDir().mkpath(fixture.TempPath("moved")));
        const QString strMoved = fixture.WriteFile("moved/Away.java", "class Away {}\n");
        QVERIFY(fixture.m_pProject->AddJavaFile(strMoved));
        fixture.m_pProject->Core().UpdateProjectViews();
        QVERIFY(QFile::rename(strMoved, fixture.TempPath("Away.java")));
        QTreeWidgetItem* pAway = fixture.Item({"Away.java"});
        QVERIFY(pAway);
        fixture.DoubleClick(pAway);
        QCOMPARE(fixture.Prompts().m_messages, QStringList{});
        QCOMPARE(fixture.Prompts().m_fileTitles, QStringList{});
        QCOMPARE(fixture.FrameCount(), nFrames + 1);
    }

    void longItemsShowTheirWholeTextAsTip()
    {
        CTreeFixture fixture;
        const QString strLong = "AFileNameFarTooLongForTheNarrowProjectWindowToShowWhole.java";
        fixture.OpenProject({"A.java", strLong}, {});
        CProjectTreeCtrl* pTree = fixture.Tree();
        QWidget* pViewport = pTree->viewport();
        QTreeWidgetItem* pLong = fixture.Item({strLong});
        QTreeWidgetItem* pShort = fixture.Item({"A.java"});
        QVERIFY(pViewport->width() < pTree->fontMetrics().horizontalAdvance(strLong));

        auto tipAt = [&](QTreeWidgetItem* pItem) {
            const QPoint pt = fixture.CentreOf(pItem);
            QHelpEvent tip(QEvent::ToolTip, pt, pViewport->mapToGlobal(pt));
            QApplication::sendEvent(pViewport, &tip);
        };
        tipAt(pLong);
        QCOMPARE(QToolTip::text(), strLong);
        QCOMPARE(pTree->InfoTipAt(fixture.CentreOf(pLong)), strLong);
        // An item shown whole has no tip, and pointing at it hides the other's.
        QCOMPARE(pTree->InfoTipAt(fixture.CentreOf(pShort)), QString());
        tipAt(pShort);
        QTRY_COMPARE(QToolTip::text(), QString());
        QCOMPARE(pTree->InfoTipAt(QPoint(3, pViewport->height() - 2)), QString()); // no item there
        // Wide enough for every item: no tips at all.
        pTree->setFixedWidth(pTree->fontMetrics().horizontalAdvance(strLong) + 200);
        QTRY_VERIFY(pViewport->width() > pTree->fontMetrics().horizontalAdvance(strLong) + 100);
        QCOMPARE(pTree->InfoTipAt(fixture.CentreOf(pLong)), QString());
    }

    void contextMenusByItemKind()
    {
        CTreeFixture fixture;
        fixture.OpenProject({"Shapes.java"}, {"page.html"});
        fixture.Scan("Shapes.java", ScanShapes);
        fixture.Item({"Shapes.java"})->setExpanded(true);
        fixture.Item({"Shapes.java", "Shape"})->setExpanded(true);
        fixture.RecordMenus();
        QWidget* pViewport = fixture.Tree()->viewport();
        for (const QStringList& path :
             {QStringList{"Shapes.java"}, QStringList{"page.html"}, QStringList{"Shapes.java", "Shape"},
              QStringList{"Shapes.java", "Shape", "area()"}}) {
            QTest::mouseClick(pViewport, Qt::RightButton, {}, fixture.CentreOf(fixture.Item(path)));
            QCOMPARE(fixture.Tree()->currentItem(), fixture.Item(path)); // selected before the menu
        }
        QCOMPARE(fixture.m_menus, (QList<QStringList>{kJavaMenu, kHtmlMenu, kItemMenu, kItemMenu}));
        // Right-click below the last item: no menu.
        QTest::mouseClick(pViewport, Qt::RightButton, {}, QPoint(5, pViewport->height() - 2));
        QCOMPARE(fixture.m_menus.size(), 4);
    }

    void menuCommandsActOnTheClickedItem()
    {
        CTreeFixture fixture;
        CJavaProjectDoc* pProject = fixture.OpenProject({"A.java", "B.java"}, {"page.html"}, "A.java");
        fixture.RecordMenus();
        QWidget* pViewport = fixture.Tree()->viewport();
        auto choose = [&](const QString& strItem, const QString& strEntry) {
            fixture.m_strChoice = strEntry;
            QTest::mouseClick(pViewport, Qt::RightButton, {}, fixture.CentreOf(fixture.Item({strItem})));
        };

        choose("B.java", "Set as Main");
        QCOMPARE(pProject->Core().GetMainFile(), std::string("B.java"));
        QCOMPARE(fixture.Dump(), (QStringList{"A.java 0/1 +", "B.java 2/3 +", "page.html 4/5"}));
        QCOMPARE(fixture.Tree()->currentItem(), fixture.Item({"B.java"}));

        choose("page.html", "Open in Web Browser");
        QCOMPARE(fixture.Prompts().m_openedUrls, QStringList{fixture.TempPath("page.html")});

        QString strFileName, strFullPath;
        bool bReadOnly = false;
        fixture.Prompts().m_onDialog = [&](QDialog& dialog) {
            strFileName = dialog.findChild<QLineEdit*>("FileName")->text();
            strFullPath = dialog.findChild<QPlainTextEdit*>("FullPath")->toPlainText();
            bReadOnly = dialog.findChild<QLineEdit*>("FileName")->isReadOnly() &&
                        dialog.findChild<QPlainTextEdit*>("FullPath")->isReadOnly();
            return int(QDialog::Accepted);
        };
        choose("A.java", "Properties...");
        QCOMPARE(fixture.Prompts().m_dialogTitles, QStringList{"Properties"});
        QCOMPARE(strFileName, QString("A.java"));
        QCOMPARE(strFullPath, fixture.TempPath("A.java"));
        QVERIFY(bReadOnly);

        choose("A.java", "Remove");
        QCOMPARE(pProject->Core().GetJavaFiles().GetCount(), 1);
        QCOMPARE(fixture.Dump(), (QStringList{"B.java 2/3 +", "page.html 4/5"}));

        fixture.Prompts().m_fileNames = {""};
        choose("B.java", "Add Java Source Files...");
        QCOMPARE(fixture.Prompts().m_fileTitles, QStringList{"Open"});
        QVERIFY(fixture.Prompts().m_messages.isEmpty());
    }

    void commandsRefuseTheWrongItems()
    {
        CTreeFixture fixture;
        fixture.OpenProject({"Shapes.java"}, {"page.html"});
        fixture.Scan("Shapes.java", ScanShapes);
        CProjectTreeDlg* pDlg = fixture.Dlg();
        pDlg->OnCommand(kCompile);
        fixture.Tree()->setCurrentItem(fixture.Item({"page.html"}));
        pDlg->OnCommand(kCompile);
        pDlg->OnCommand(kSetMainFile);
        fixture.Tree()->setCurrentItem(fixture.Item({"Shapes.java", "Shape"}));
        pDlg->OnCommand(kSetMainFile);
        pDlg->OnCommand(kRemoveFile);
        pDlg->OnCommand(kCompile); // a class: nothing, silently
        QCOMPARE(fixture.Prompts().m_messages,
                 (QStringList{"Item is NULL", "Can't compile HTML File!", "Only Java files can be set as main",
                              "Only Java files can be set as main", "No files to remove."}));
        QVERIFY(fixture.Item({"Shapes.java", "Shape"}));
    }

    void prunedSelectionLeavesNoSelection()
    {
        CTreeFixture fixture;
        fixture.OpenProject({"Shapes.java"}, {});
        fixture.Scan("Shapes.java", ScanShapes);
        QTreeWidgetItem* pSize = fixture.Item({"Shapes.java", "Outer", "size"});
        fixture.Tree()->setCurrentItem(pSize);
        fixture.Scan("Shapes.java", ScanShapes); // same classes: the selection stays
        QCOMPARE(fixture.Tree()->currentItem(), pSize);
        fixture.Item({"Shapes.java", "Outer"})->setExpanded(false);
        fixture.m_pProject->UpdateProjectViews();
        QCOMPARE(fixture.Tree()->currentItem(), pSize);
        QVERIFY(!fixture.Item({"Shapes.java", "Outer"})->isExpanded());
        fixture.Scan("Shapes.java",
                     [](CJavaProjectCore& core, const std::string& strPath) { core.AddClass(strPath, "Shape"); });
        QCOMPARE(fixture.Tree()->currentItem(), nullptr);
        QVERIFY(fixture.Tree()->selectedItems().isEmpty());
    }

    void keysWhileTheTreeHasFocus()
    {
        CTreeFixture fixture;
        CJavaProjectDoc* pProject = fixture.OpenProject({"A.java", "B.java"}, {});
        fixture.RecordMenus();
        CProjectTreeCtrl* pTree = fixture.Tree();
        pTree->setCurrentItem(fixture.Item({"B.java"}));
        QTest::keyClick(pTree, Qt::Key_F8);
        QCOMPARE(pProject->Core().GetMainFile(), std::string("B.java"));
        // The selection stays on the file set, its item made anew with the main file's pictures.
        QCOMPARE(pTree->currentItem(), fixture.Item({"B.java"}));
        QCOMPARE(pTree->selectedItems(), QList<QTreeWidgetItem*>{fixture.Item({"B.java"})});
        pTree->setCurrentItem(fixture.Item({"A.java"}));
        QTest::keyClick(pTree, Qt::Key_Menu);
        QCOMPARE(fixture.m_menus, QList<QStringList>{kJavaMenu});
        QTest::keyClick(pTree, Qt::Key_Return);
        CDocTemplate* pJava = fixture.App().FindTemplate("JavaDocument");
        QCOMPARE(pJava->Documents().size(), std::size_t(1));
        QCOMPARE(pJava->Documents().front()->GetPathName(), fixture.TempPath("A.java"));
        pTree->setCurrentItem(fixture.Item({"A.java"}));
        QTest::keyClick(pTree, Qt::Key_Delete);
        QCOMPARE(pProject->Core().GetJavaFiles().GetCount(), 1);
        QCOMPARE(fixture.Dump(), QStringList{"B.java 2/3 +"});
    }

    void closingHidesTheWindow()
    {
        CTreeFixture fixture;
        CJavaProjectDoc* pProject = fixture.OpenProject({"A.java"}, {});
        QPointer<CProjectBar> pBar = pProject->ProjectBar();
        QVERIFY(pBar->isVisible());
        QVERIFY(fixture.App().Router().Execute(kCloseProject));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!pBar || !pBar->isVisible());
    }

    void imagesAreTenPairedPictures()
    {
        for (int i = 0; i < CProjectTreeImages::kCount; ++i) {
            QPixmap picture = CProjectTreeImages::Picture(i);
            QCOMPARE(picture.size(), QSize(18, 16));
            QCOMPARE(picture.toImage(), CProjectTreeImages::Picture(i ^ 1).toImage());
            if (i >= 2)
                QVERIFY(picture.toImage() != CProjectTreeImages::Picture(i - 2).toImage());
        }
        QVERIFY(CProjectTreeImages::Picture(10).isNull());
        QCOMPARE(CProjectTreeImages::Picture(0).toImage().pixelColor(0, 0), QColor(Qt::white));
    }

    void screenshot()
    {
        CTreeFixture fixture;
        CJavaProjectDoc* pProject = fixture.OpenProject({"Shapes.java", "Main.java"}, {"index.html"}, "Main.java");
        fixture.Scan("Shapes.java", ScanShapes);
        fixture.Scan("Main.java", [](CJavaProjectCore& core, const std::string& strPath) {
            core.AddClass(strPath, "Main");
            core.AddMember(strPath, "Main", "main(String args[])");
        });
        fixture.App().MainFrame()->resize(640, 420);
        fixture.App().MainFrame()->show();
        fixture.Tree()->expandAll();
        fixture.Tree()->setCurrentItem(fixture.Item({"Shapes.java", "Outer", "size"}));
        QCoreApplication::processEvents();
        QString strOut = qEnvironmentVariable("TARNWICK_SCREENSHOT_DIR");
        if (!strOut.isEmpty()) {
            QVERIFY(fixture.App().MainFrame()->grab().save(strOut + "/project-tree.png"));
            QPixmap strip(18 * 10 * 4, 16 * 4);
            strip.fill(Qt::white);
            QPainter painter(&strip);
            for (int i = 0; i < 10; ++i)
                painter.drawPixmap(QRect(i * 72, 0, 72, 64), CProjectTreeImages::Picture(i));
            painter.end();
            QVERIFY(strip.save(strOut + "/project-tree-images.png"));
        }
        QVERIFY(pProject->ProjectBar()->isVisible());
    }
};

QTEST_MAIN(ProjectTreeTest)
#include "ProjectTreeTest.moc"
