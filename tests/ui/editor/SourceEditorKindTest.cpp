#include "core/app/CommandIds.h"
#include "tests/ui/support/AppFixture.h"
#include "tests/ui/support/JavaFiles.h"
#include "ui/editor/SourceDoc.h"
#include "ui/editor/SourceFrame.h"
#include "ui/editor/SourceView.h"
#include "ui/framework/DocTemplate.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

using namespace CommandIds;

namespace {
// A source window with no colouring of its own: what any further editor
// kind gets from the source classes alone. It counts the colouring calls.
class CPlainView : public CSourceView {
public:
    CPlainView(CSourceDoc& document, const CSettings& settings) : CSourceView(document, settings, EWindowKind::HtmlPage)
    {}

    void RecolourAll(bool) override { ++m_nRecolourAll; }
    void RecolourLine() override { ++m_nRecolourLine; }
    std::vector<CMenuItem> ContextMenuItems() const override
    {
        return {CMenuItem{"&Undo", kEditUndo, {}}, CMenuItem{"&Copy", kEditCopy, {}}};
    }

    int m_nLoadedColourings = 0;
    int m_nRecolourAll = 0;
    int m_nRecolourLine = 0;

protected:
    void ColourLoadedText() override { ++m_nLoadedColourings; }
};

CDocTemplate* RegisterPlainKind(CAppFixture& fixture)
{
    CDocTemplate* pTemplate = fixture.App().FindTemplate("HTMLDocument");
    if (!pTemplate)
        return nullptr;
    pTemplate->SetFactories([](CDocTemplate& owner) -> CDocument* { return new CSourceDoc(owner); },
                            [pTemplate](CDocument& document) -> CMdiChildFrame* {
                                auto& source = static_cast<CSourceDoc&>(document);
                                auto* pView = new CPlainView(source, pTemplate->Services().Settings());
                                return new CSourceFrame(source, pView, EWindowKind::HtmlPage);
                            });
    return pTemplate;
}

CPlainView* ViewOf(CMdiChildFrame* pFrame)
{
    return pFrame ? dynamic_cast<CPlainView*>(pFrame->GetView()) : nullptr;
}

QByteArray Bytes(const CSourceDoc* pDoc)
{
    return QByteArray(pDoc->TextView().data(), static_cast<qsizetype>(pDoc->TextView().size()));
}
} // namespace

// An editor kind made of the source document, view and window classes with
// nothing Java in it: bytes, line breaks, keys, text commands and several
// windows work the same.
class SourceEditorKindTest : public QObject {
    Q_OBJECT
private slots:
    void keepsBytesAndLineBreaks()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CDocTemplate* pTemplate = RegisterPlainKind(fixture);
        QVERIFY(pTemplate);
        const QString strPath = fixture.WriteFile("page.html", QByteArray("a\r\n\tb\rc\n\xe9"
                                                                          "d"));
        auto* pDoc = dynamic_cast<CSourceDoc*>(pTemplate->OpenDocumentFile(strPath));
        QVERIFY(pDoc);
        CPlainView* pView = ViewOf(pDoc->FirstFrame());
        QVERIFY(pView);
        QCOMPARE(Bytes(pDoc), QByteArray("a\r\n\tb\r\nc\r\n\xe9"
                                         "d"));
        QCOMPARE(pView->m_nLoadedColourings, 1);
        QCOMPARE(pView->m_nRecolourAll, 0);
        QVERIFY(!pDoc->IsModified());
        pView->SetSel(12, 12);
        QTest::keyClicks(pView, "x");
        QCOMPARE(pView->m_nRecolourLine, 1);
        QVERIFY(pDoc->IsModified());
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QCOMPARE(ReadAll(strPath), QByteArray("a\r\n\tb\rc\n\xe9"
                                              "dx"));
        QVERIFY(!pDoc->IsModified());
    }

    void keysAndTextCommands()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CDocTemplate* pTemplate = RegisterPlainKind(fixture);
        const QString strPath = fixture.WriteFile("keys.html", "\tb\nc\r");
        auto* pDoc = dynamic_cast<CSourceDoc*>(pTemplate->OpenDocumentFile(strPath));
        QVERIFY(pDoc);
        CPlainView* pView = ViewOf(pDoc->FirstFrame());
        // Enter copies the indent; both go in one undo step.
        pView->SetSel(2, 2);
        QTest::keyClick(pView, Qt::Key_Return);
        QCOMPARE(Bytes(pDoc), QByteArray("\tb\r\n\t\r\nc\r\n"));
        QVERIFY(fixture.App().Router().Execute(kEditUndo));
        QCOMPARE(Bytes(pDoc), QByteArray("\tb\r\nc\r\n"));
        QVERIFY(!pDoc->IsModified());
        // Convert Linebreaks recolours and gives the file CR LF everywhere.
        QVERIFY(fixture.App().Router().Execute(kConvertLinebreaks));
        QCOMPARE(pView->m_nRecolourAll, 1);
        QVERIFY(pDoc->IsModified());
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QCOMPARE(ReadAll(strPath), QByteArray("\tb\r\nc\r\n"));
        // The context menu's items follow the view's rules.
        QMenu* pMenu = pView->CreateContextMenu();
        QCOMPARE(pMenu->actions().size(), 2);
        QVERIFY(pMenu->actions()[0]->isEnabled());
        QVERIFY(!pMenu->actions()[1]->isEnabled());
        delete pMenu;
    }

    void newWindowSharesTheText()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CDocTemplate* pTemplate = RegisterPlainKind(fixture);
        auto* pDoc = dynamic_cast<CSourceDoc*>(pTemplate->OpenDocumentFile(fixture.WriteFile("w.html", "one\rtwo\r")));
        QVERIFY(pDoc);
        CPlainView* pFirst = ViewOf(pDoc->FirstFrame());
        QVERIFY(fixture.App().Router().Execute(kWindowNew));
        QCOMPARE(pDoc->GetFrames().size(), std::size_t(2));
        CPlainView* pSecond = ViewOf(pDoc->GetFrames()[1]);
        QVERIFY(pSecond);
        // Only the first window colours from scratch; a later one checks.
        QCOMPARE(pSecond->m_nLoadedColourings, 0);
        QCOMPARE(pSecond->m_nRecolourAll, 1);
        pSecond->SetSel(0, 0);
        QTest::keyClicks(pSecond, "1 ");
        QCOMPARE(QByteArray::fromStdString(pFirst->TextBytes()), QByteArray("1 one\r\ntwo\r\n"));
        pDoc->FirstFrame()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(ViewOf(pDoc->FirstFrame()), pSecond);
        QVERIFY(pDoc->IsModified());
        QVERIFY(pDoc->DoFileSave());
        QCOMPARE(ReadAll(pDoc->GetPathName()), QByteArray("1 one\rtwo\r"));
    }
};

QTEST_MAIN(SourceEditorKindTest)
#include "SourceEditorKindTest.moc"
