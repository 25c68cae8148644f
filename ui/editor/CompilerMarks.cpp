#include "ui/editor/CompilerMarks.h"

#include "core/editor/CompilerMarkPlan.h"
#include "ui/editor/JavaEditor.h"
#include "ui/editor/SourceDoc.h"
#include "ui/framework/DocumentWindows.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>
#include <string>

namespace {
constexpr int kMarkerSize = 14;
constexpr int kMarginWidth = kMarkerSize + 4;
constexpr unsigned long kMarkerMask = (1UL << CCompilerMarks::kErrorMarker) | (1UL << CCompilerMarks::kWarningMarker);

// Colours in Scintilla's order, 0x00BBGGRR.
constexpr std::uint32_t kErrorRed = 0x2020D0;
constexpr std::uint32_t kWarningAmber = 0x0090E0;

QImage MarkerImage(bool bError)
{
    QImage image(kMarkerSize, kMarkerSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const qreal dEnd = kMarkerSize - 1;
    if (bError) {
        painter.setBrush(QColor(0xD0, 0x20, 0x20));
        painter.drawEllipse(QRectF(0.5, 0.5, dEnd - 0.5, dEnd - 0.5));
        painter.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(4.5, 4.5), QPointF(dEnd - 4.0, dEnd - 4.0));
        painter.drawLine(QPointF(dEnd - 4.0, 4.5), QPointF(4.5, dEnd - 4.0));
    } else {
        QPainterPath triangle;
        triangle.moveTo(kMarkerSize / 2.0, 0.5);
        triangle.lineTo(dEnd, dEnd);
        triangle.lineTo(0.5, dEnd);
        triangle.closeSubpath();
        painter.setBrush(QColor(0xE0, 0x90, 0x00));
        painter.drawPath(triangle);
        painter.setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(kMarkerSize / 2.0, 4.5), QPointF(kMarkerSize / 2.0, dEnd - 4.5));
        painter.drawPoint(QPointF(kMarkerSize / 2.0, dEnd - 2.0));
    }
    return image;
}

int StyleFor(EDiagnosticKind eKind)
{
    switch (eKind) {
    case EDiagnosticKind::Error: return CCompilerMarks::kErrorStyle;
    case EDiagnosticKind::Warning: return CCompilerMarks::kWarningStyle;
    case EDiagnosticKind::Note: break;
    }
    return CCompilerMarks::kNoteStyle;
}
} // namespace

void CCompilerMarks::SetUpView(CJavaEditor& view, bool bShowMessages)
{
    view.DefineMarkerImage(kErrorMarker, MarkerImage(true));
    view.DefineMarkerImage(kWarningMarker, MarkerImage(false));
    view.SetSymbolMargin(kMarkerMargin, kMarkerMask);

    for (int nIndicator : {kErrorIndicator, kWarningIndicator})
        view.SetSquiggleIndicator(nIndicator, nIndicator == kErrorIndicator ? kErrorRed : kWarningAmber);

    // Dark text on a pale ground of the kind's colour, readable in any
    // editor colours the user picked for the code.
    view.SetStyleColours(kErrorStyle, 0x101090, 0xEBEBFD);
    view.SetStyleColours(kWarningStyle, 0x004A6E, 0xD8F4FF);
    view.SetStyleColours(kNoteStyle, 0x505050, 0xF0F0F0);
    ShowMessages(view, bShowMessages);
    UpdateMargin(view);
}

void CCompilerMarks::ShowMessages(CJavaEditor& view, bool bShown)
{
    view.ShowAnnotations(bShown);
}

bool CCompilerMarks::MessagesShown(const CJavaEditor& view)
{
    return view.AnnotationsShown();
}

bool CCompilerMarks::HasMarks(const CJavaEditor& view)
{
    return view.HasMarkers(kMarkerMask);
}

void CCompilerMarks::UpdateMargin(CJavaEditor& view)
{
    view.SetMarginWidth(kMarkerMargin, HasMarks(view) ? kMarginWidth : 0);
}

void CCompilerMarks::Apply(CJavaEditor& view, const CCompilerMarkPlan& plan)
{
    view.DeleteMarkers(kErrorMarker);
    view.DeleteMarkers(kWarningMarker);
    view.ClearAnnotations();
    const std::size_t nLength = view.TextLength();
    for (int nIndicator : {kErrorIndicator, kWarningIndicator}) {
        view.SetCurrentIndicator(nIndicator);
        view.ClearIndicatorRange(0, nLength);
    }

    std::string strStyles;
    for (const CCompilerMarkPlan::CLine& line : plan.m_vecLines) {
        if (line.m_bMarker)
            view.AddMarker(line.m_nLine, line.m_eMarker == EDiagnosticKind::Error ? kErrorMarker : kWarningMarker);
        strStyles.clear();
        for (const CCompilerMarkPlan::CRun& run : line.m_vecRuns)
            strStyles.append(run.m_nLength, static_cast<char>(StyleFor(run.m_eKind)));
        view.SetAnnotation(line.m_nLine, line.m_strAnnotation, strStyles);
    }
    int nCurrent = -1;
    for (const CCompilerMarkPlan::CSquiggle& squiggle : plan.m_vecSquiggles) {
        const int nIndicator = squiggle.m_eKind == EDiagnosticKind::Error ? kErrorIndicator : kWarningIndicator;
        if (nIndicator != nCurrent) {
            view.SetCurrentIndicator(nIndicator);
            nCurrent = nIndicator;
        }
        view.FillIndicatorRange(squiggle.m_nStart, squiggle.m_nLength);
    }
    UpdateMargin(view);
}

void CCompilerMarks::ApplyToDocument(CSourceDoc& document, const std::vector<CJavacDiagnostic>& vecDiagnostics)
{
    const std::vector<CJavaEditor*> vecViews = WindowsOf<CJavaEditor>(document);
    if (vecViews.empty())
        return;
    // A window showing the messages lays its lines out again for each one
    // placed; hidden meanwhile, it does so once when they show again.
    std::vector<bool> vecShown;
    for (CJavaEditor* pView : vecViews) {
        vecShown.push_back(MessagesShown(*pView));
        ShowMessages(*pView, false);
    }
    CJavaEditor& first = *vecViews.front();
    const bool bUtf8 = first.HasUtf8CodePage();
    Apply(first, CCompilerMarkPlan::Make(document.TextView(), vecDiagnostics, bUtf8));
    for (std::size_t i = 0; i < vecViews.size(); ++i) {
        ShowMessages(*vecViews[i], vecShown[i]);
        UpdateMargin(*vecViews[i]);
    }
}
