// Times HTML pages in the page editor window: opening a 5 MB page until the
// window shows it coloured, and typed characters in a 2 MB page (key
// handling, recolouring the line and the window's repaint of what changed, as
// the Java editor's benchmark times them) in plain text, inside a long comment
// and inside a long tag. Prints the medians; fails when a key brought no
// repaint, so the figures never leave the painting out.
//
//   build/bench/ui/tarnwick_html_editor_bench [RUNS]
//
// Runs offscreen unless a platform is chosen.

#include "bench/ui/BenchSupport.h"
#include "tests/ui/support/AppFixture.h"
#include "ui/editor/html/LiveEditorDoc.h"
#include "ui/editor/html/LiveHTMLView.h"
#include "ui/framework/MdiChildFrame.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
constexpr int kKeysPerPlace = 40;

// Counts the paint events a widget receives.
class CPaintCounter : public QObject {
public:
    int m_nPaints = 0;

protected:
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Paint)
            ++m_nPaints;
        return false;
    }
};

QByteArray Page(int nBytes)
{
    QByteArray body = "<HTML>\n<BODY>\n";
    const QByteArray row = "<TR><TD align=center>Cell %1 of the table</TD><td><A HREF=\"p%1.html\">link</A></td></TR>\n"
                           "<!-- row %1 --><p>Plain text of the page: the quick brown fox.</p>\n";
    for (int nRow = 0; body.size() < nBytes; ++nRow)
        body += QByteArray(row).replace("%1", QByteArray::number(nRow));
    body += "</BODY>\n</HTML>\n";
    return body;
}

// A 2 MB page with a long comment and a long tag in its middle.
QByteArray TypingPage()
{
    QByteArray body = Page(1024 * 1024);
    body += "<!-- a long comment\n";
    for (int i = 0; i < 20000; ++i)
        body += "comment line " + QByteArray::number(i) + " <b>not a tag</b>\n";
    body += "-->\n<TABLE\n";
    for (int i = 0; i < 20000; ++i)
        body += "  attr" + QByteArray::number(i) + "=\"value\" align=center\n";
    body += ">\n";
    body += Page(300 * 1024);
    return body;
}

CLiveHTMLView* ViewOf(CDocument* pDocument)
{
    auto* pDoc = dynamic_cast<CLiveEditorDoc*>(pDocument);
    return pDoc && pDoc->FirstFrame() ? dynamic_cast<CLiveHTMLView*>(pDoc->FirstFrame()->GetView()) : nullptr;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int nRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const QByteArray openBody = Page(5 * 1024 * 1024);
    const QByteArray typingBody = TypingPage();

    std::vector<double> openMs;
    std::vector<double> plainMs, commentMs, tagMs;
    for (int nRun = 0; nRun < nRuns; ++nRun) {
        CAppFixture fixture;
        if (!fixture.Start({}, false)) {
            std::fprintf(stderr, "the application did not start\n");
            return 1;
        }
        const QString strBig = fixture.WriteFile("Big.html", openBody);
        const QString strTyping = fixture.WriteFile("Typing.html", typingBody);
        QApplication::processEvents();

        QElapsedTimer timer;
        timer.start();
        CLiveHTMLView* pView = ViewOf(fixture.App().OpenDocumentFile(strBig));
        if (!pView) {
            std::fprintf(stderr, "the page did not open\n");
            return 1;
        }
        pView->viewport()->repaint();
        QApplication::processEvents();
        openMs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);

        pView = ViewOf(fixture.App().OpenDocumentFile(strTyping));
        if (!pView)
            return 1;
        const std::string strText = pView->TextBytes();
        struct CPlace {
            std::size_t m_nPos;
            std::vector<double>* m_pTimes;
        };
        const CPlace places[] = {
            {strText.find("comment line 10000 ") + 5, &commentMs},
            {strText.find("attr10000=") + 2, &tagMs},
            {strText.find("Plain text of the page", 500 * 1024) + 6, &plainMs},
        };
        CPaintCounter paints;
        pView->viewport()->installEventFilter(&paints);
        for (const CPlace& place : places) {
            pView->SetSel(place.m_nPos, place.m_nPos);
            pView->ShowCaretLine();
            QApplication::processEvents();
            for (int nKey = 0; nKey < kKeysPerPlace; ++nKey) {
                const int nPaintsBefore = paints.m_nPaints;
                timer.restart();
                QTest::keyClick(pView, Qt::Key_X);
                // The window repaints what the key changed, as it does for a user.
                QApplication::processEvents();
                place.m_pTimes->push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
                if (paints.m_nPaints == nPaintsBefore) {
                    std::fprintf(stderr, "a typed character brought no repaint\n");
                    return 1;
                }
            }
            if (pView->TextView().substr(place.m_nPos, kKeysPerPlace) != std::string(kKeysPerPlace, 'x')) {
                std::fprintf(stderr, "the typed characters did not arrive\n");
                return 1;
            }
        }
    }
    std::printf("open a 5 MB page (%lld bytes) to a coloured window: median %.1f ms (min %.1f, max %.1f), %d runs\n",
                static_cast<long long>(openBody.size()), Median(openMs),
                *std::min_element(openMs.begin(), openMs.end()), *std::max_element(openMs.begin(), openMs.end()),
                nRuns);
    std::printf("typed character in a %lld-byte page, coloured and repainted:\n",
                static_cast<long long>(typingBody.size()));
    std::printf("  in plain text:        median %.3f ms (max %.3f)\n", Median(plainMs),
                *std::max_element(plainMs.begin(), plainMs.end()));
    std::printf("  inside a long comment: median %.3f ms (max %.3f)\n", Median(commentMs),
                *std::max_element(commentMs.begin(), commentMs.end()));
    std::printf("  inside a long tag:     median %.3f ms (max %.3f)\n", Median(tagMs),
                *std::max_element(tagMs.begin(), tagMs.end()));
    return 0;
}
