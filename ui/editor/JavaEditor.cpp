#include "ui/editor/JavaEditor.h"

#include "core/editor/BraceMatch.h"
#include "core/editor/LineEnds.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QScrollBar>
#include <algorithm>

namespace {
// A text is loaded in pieces this large: the converted copy of a large file
// never exists whole, and a piece stays in the processor's cache.
constexpr std::size_t kLoadPieceBytes = 64 * 1024;
// Scintilla grows its buffer, moving the whole text, as soon as an insertion
// or a look at the whole text (TextView) would leave it full: a loaded text
// gets this much room besides, so neither loading it nor reading it nor the
// first keys typed move it.
constexpr std::size_t kLoadSpareBytes = 4096;

// The editor widget's own accessibility support counts the characters from
// the start of the text up to the caret each time the window is painted:
// typing near the end of a 5 MB file took 16 ms a key. Without a screen
// reader our editors get the plain description of an editable widget; with
// one, the widget's full support stays.
QAccessibleInterface* PlainEditorAccessible(const QString&, QObject* pObject)
{
    if (QAccessible::isActive())
        return nullptr;
    auto* pEditor = dynamic_cast<CJavaEditor*>(pObject);
    return pEditor ? new QAccessibleWidget(pEditor, QAccessible::EditableText) : nullptr;
}
} // namespace

CJavaEditor::CJavaEditor(QWidget* pParent) : QsciScintilla(pParent)
{
    static const bool bPlainAccessibleInstalled = [] {
        QAccessible::installFactory(PlainEditorAccessible);
        return true;
    }();
    (void)bPlainAccessibleInstalled;
    // Line breaks are CR LF inside the editor whatever the file uses; the
    // document converts on load and save.
    SendScintilla(SCI_SETEOLMODE, static_cast<unsigned long>(SC_EOL_CRLF));
    SendScintilla(SCI_SETLEXER, static_cast<unsigned long>(SCLEX_CONTAINER));
    SendScintilla(SCI_SETWRAPMODE, static_cast<unsigned long>(SC_WRAP_NONE));
    SendScintilla(SCI_SETMARGINWIDTHN, 0UL, 0L);
    SendScintilla(SCI_SETMARGINWIDTHN, 1UL, 0L);
    SendScintilla(SCI_SETMARGINWIDTHN, 2UL, 0L);
    SendScintilla(SCI_SETMARGINLEFT, 0UL, 4L);
    SendScintilla(SCI_SETUSETABS, 1UL);
    SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1UL);
    SendScintilla(SCI_SETSCROLLWIDTH, 1UL);
    // Nothing here listens to change notifications, and the editor widget
    // answers each one by counting characters from the start of the text
    // (20 ms a key near the end of a 5 MB file). A screen reader needs them,
    // so they stay on while one is active.
    if (!QAccessible::isActive())
        SendScintilla(SCI_SETMODEVENTMASK, 0UL);
    SendScintilla(SCI_SETMARGINTYPEN, 0UL, static_cast<long>(SC_MARGIN_NUMBER));
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int) { OnUpdateUi(); });
}

void CJavaEditor::ReleaseKeys(const QList<QKeySequence>& keys)
{
    QList<int> combined;
    for (const QKeySequence& key : keys)
        if (!key.isEmpty())
            combined << key[0].toCombined();
    for (QsciCommand* pCommand : standardCommands()->commands()) {
        if (combined.contains(pCommand->key()))
            pCommand->setKey(0);
        if (combined.contains(pCommand->alternateKey()))
            pCommand->setAlternateKey(0);
    }
}

void CJavaEditor::SetupLook(const QString& strFontName, int nFontSizeTenths)
{
    QByteArray font = strFontName.toUtf8();
    SendScintilla(SCI_STYLESETFONT, static_cast<unsigned long>(STYLE_DEFAULT), font.constData());
    SendScintilla(SCI_STYLESETSIZEFRACTIONAL, static_cast<unsigned long>(STYLE_DEFAULT),
                  static_cast<long>(std::max(10, nFontSizeTenths) * 10));
    SendScintilla(SCI_STYLECLEARALL);
    // A matched pair in bold on a pale blue; an unmatched brace in bold red.
    SendScintilla(SCI_STYLESETFORE, static_cast<unsigned long>(STYLE_BRACELIGHT), 0x000000L);
    SendScintilla(SCI_STYLESETBACK, static_cast<unsigned long>(STYLE_BRACELIGHT), 0xFFD8B0L);
    SendScintilla(SCI_STYLESETBOLD, static_cast<unsigned long>(STYLE_BRACELIGHT), 1L);
    SendScintilla(SCI_STYLESETFORE, static_cast<unsigned long>(STYLE_BRACEBAD), 0x0000E0L);
    SendScintilla(SCI_STYLESETBACK, static_cast<unsigned long>(STYLE_BRACEBAD), 0xD8D8FFL);
    SendScintilla(SCI_STYLESETBOLD, static_cast<unsigned long>(STYLE_BRACEBAD), 1L);
    SendScintilla(SCI_STYLESETFORE, static_cast<unsigned long>(STYLE_LINENUMBER), 0x808080L);
    // The margin's width depends on the font.
    m_nLineDigits = 0;
    UpdateLineNumberWidth();
}

void CJavaEditor::SetTabWidth(int nTabWidth)
{
    SendScintilla(SCI_SETTABWIDTH, static_cast<unsigned long>(std::max(1, nTabWidth)));
}

void CJavaEditor::SetStyleColour(int nStyle, std::uint32_t crColour)
{
    SendScintilla(SCI_STYLESETFORE, static_cast<unsigned long>(nStyle), static_cast<long>(crColour & 0xFFFFFF));
}

void CJavaEditor::LoadText(std::string_view strBytes)
{
    // Valid UTF-8 is shown as such; anything else byte for byte (Latin-1). The
    // bytes themselves are never converted either way, and CR LF breaks
    // leave a text as valid or invalid as they found it.
    const bool bUtf8 = QUtf8StringView(strBytes.data(), static_cast<qsizetype>(strBytes.size())).isValidUtf8();
    SendScintilla(SCI_SETCODEPAGE, static_cast<unsigned long>(bUtf8 ? SC_CP_UTF8 : 0));
    // A loaded text has nothing to undo: the undo history need not keep a
    // copy of it.
    SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
    SendScintilla(SCI_CLEARALL);
    // Room for all of it first, so the pieces never make the buffer grow and
    // move; with their lengths, as a zero byte is a character, not the end.
    SendScintilla(SCI_ALLOCATE, static_cast<unsigned long>(CLineEnds::CrLfLength(strBytes) + kLoadSpareBytes));
    CLineEnds::ToCrLfInPieces(strBytes, kLoadPieceBytes, [this](std::string_view strPiece) {
        SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(strPiece.size()), strPiece.data());
    });
    SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETSAVEPOINT);
    SendScintilla(SCI_GOTOPOS, 0UL);
}

std::string_view CJavaEditor::TextView() const
{
    auto* pText = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    return pText ? std::string_view(pText, TextLength()) : std::string_view();
}

std::string_view CJavaEditor::RangeView(std::size_t nStart, std::size_t nEnd) const
{
    nEnd = std::min(nEnd, TextLength());
    if (nStart >= nEnd)
        return std::string_view();
    // SCI_GETRANGEPOINTER returns a pointer; SendScintilla hands it back as a long.
    const long nAddress = SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(nStart),
                                        static_cast<long>(nEnd - nStart));
    auto* pText = reinterpret_cast<const char*>(static_cast<std::intptr_t>(nAddress));
    return pText ? std::string_view(pText, nEnd - nStart) : std::string_view();
}

std::size_t CJavaEditor::TextLength() const
{
    return static_cast<std::size_t>(SendScintilla(SCI_GETLENGTH));
}

std::size_t CJavaEditor::SelStart() const
{
    return static_cast<std::size_t>(SendScintilla(SCI_GETSELECTIONSTART));
}

std::size_t CJavaEditor::SelEnd() const
{
    return static_cast<std::size_t>(SendScintilla(SCI_GETSELECTIONEND));
}

void CJavaEditor::SetSel(std::size_t nStart, std::size_t nEnd)
{
    std::size_t nLength = TextLength();
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(std::min(nStart, nLength)),
                  static_cast<long>(std::min(nEnd, nLength)));
}

std::string CJavaEditor::SelectedBytes() const
{
    std::string_view strText = TextView();
    std::size_t nStart = std::min(SelStart(), strText.size());
    std::size_t nEnd = std::min(SelEnd(), strText.size());
    return std::string(strText.substr(nStart, nEnd - nStart));
}

void CJavaEditor::ReplaceSelection(const std::string& strText)
{
    SendScintilla(SCI_REPLACESEL, strText.c_str());
}

void CJavaEditor::ApplyPlan(const CEditPlan& plan)
{
    if (!plan.m_steps.empty()) {
        BeginUndoStep();
        for (const CEditPlan::CStep& step : plan.m_steps) {
            std::size_t nLength = TextLength();
            std::size_t nStart = std::min(step.m_nStart, nLength);
            std::size_t nEnd = std::min(nStart + step.m_nLength, nLength);
            SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(nStart), static_cast<long>(nEnd));
            SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(step.m_strInsert.size()), step.m_strInsert.c_str());
        }
        EndUndoStep();
    }
    SetSel(plan.m_nSelStart, plan.m_nSelEnd);
}

void CJavaEditor::ReplaceAllText(const std::string& strText)
{
    BeginUndoStep();
    SendScintilla(SCI_SETTARGETRANGE, 0UL, static_cast<long>(TextLength()));
    SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(strText.size()), strText.c_str());
    EndUndoStep();
}

void CJavaEditor::BeginUndoStep()
{
    SendScintilla(SCI_BEGINUNDOACTION);
}

void CJavaEditor::EndUndoStep()
{
    SendScintilla(SCI_ENDUNDOACTION);
}

std::size_t CJavaEditor::LineFromPosition(std::size_t nPos) const
{
    return static_cast<std::size_t>(SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(nPos)));
}

std::size_t CJavaEditor::LineEndPosition(std::size_t nLine) const
{
    return static_cast<std::size_t>(SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(nLine)));
}

std::size_t CJavaEditor::PositionFromLine(std::size_t nLine) const
{
    long nPos = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(nLine));
    return nPos < 0 ? TextLength() : static_cast<std::size_t>(nPos);
}

std::size_t CJavaEditor::LineCount() const
{
    return static_cast<std::size_t>(SendScintilla(SCI_GETLINECOUNT));
}

std::vector<unsigned char> CJavaEditor::StylesInRange(std::size_t nStart, std::size_t nEnd) const
{
    nEnd = std::min(nEnd, TextLength());
    if (nStart >= nEnd)
        return {};
    // Scintilla hands back character and style pairs plus two closing zeros.
    std::vector<char> pairs(2 * (nEnd - nStart) + 2);
    SendScintilla(SCI_GETSTYLEDTEXT, static_cast<long>(nStart), static_cast<long>(nEnd), pairs.data());
    std::vector<unsigned char> styles(nEnd - nStart);
    for (std::size_t i = 0; i < styles.size(); ++i)
        styles[i] = static_cast<unsigned char>(pairs[2 * i + 1]);
    return styles;
}

int CJavaEditor::StyleAt(std::size_t nPos) const
{
    return static_cast<int>(SendScintilla(SCI_GETSTYLEAT, static_cast<unsigned long>(nPos)));
}

void CJavaEditor::SetStyles(std::size_t nStart, std::span<const unsigned char> styles)
{
    if (styles.empty())
        return;
    SendScintilla(SCI_STARTSTYLING, static_cast<unsigned long>(nStart), 0L);
    SendScintilla(SCI_SETSTYLINGEX, static_cast<unsigned long>(styles.size()),
                  reinterpret_cast<const char*>(styles.data()));
}

bool CJavaEditor::IsTextModified() const
{
    return SendScintilla(SCI_GETMODIFY) != 0;
}

bool CJavaEditor::CanPasteText() const
{
    return SendScintilla(SCI_CANPASTE) != 0;
}

void CJavaEditor::SetSavePoint()
{
    SendScintilla(SCI_SETSAVEPOINT);
}

void CJavaEditor::ShareTextOf(CJavaEditor& other)
{
    SendScintilla(SCI_SETCODEPAGE, static_cast<unsigned long>(other.SendScintilla(SCI_GETCODEPAGE)));
    setDocument(other.document());
}

int CJavaEditor::FirstVisibleLine() const
{
    return static_cast<int>(SendScintilla(SCI_GETFIRSTVISIBLELINE));
}

int CJavaEditor::HorizontalOffset() const
{
    return static_cast<int>(SendScintilla(SCI_GETXOFFSET));
}

bool CJavaEditor::FindForward(const QString& strWhat, bool bMatchCase, bool bWholeWord)
{
    if (strWhat.isEmpty())
        return false;
    SetSel(SelEnd(), SelEnd());
    return findFirst(strWhat, false, bMatchCase, bWholeWord, true, true, -1, -1, true, false, false);
}

CJavaEditor::EFindResult CJavaEditor::FindInDirection(const QString& strWhat, bool bMatchCase, bool bWholeWord,
                                                      bool bForward)
{
    if (strWhat.isEmpty())
        return EFindResult::NotFound;
    const QByteArray what = isUtf8() ? strWhat.toUtf8() : strWhat.toLatin1();
    SendScintilla(SCI_SETSEARCHFLAGS, static_cast<unsigned long>((bMatchCase ? SCFIND_MATCHCASE : 0) |
                                                                 (bWholeWord ? SCFIND_WHOLEWORD : 0)));
    // A target whose start lies after its end is searched backwards.
    auto search = [this, &what](std::size_t nFrom, std::size_t nTo) {
        SendScintilla(SCI_SETTARGETSTART, static_cast<unsigned long>(nFrom));
        SendScintilla(SCI_SETTARGETEND, static_cast<unsigned long>(nTo));
        return SendScintilla(SCI_SEARCHINTARGET, static_cast<unsigned long>(what.size()), what.constData());
    };
    const std::size_t nLength = TextLength();
    long nFound = bForward ? search(SelEnd(), nLength) : search(SelStart(), 0);
    bool bWrapped = false;
    if (nFound < 0) {
        bWrapped = true;
        nFound = bForward ? search(0, SelEnd()) : search(nLength, SelStart());
    }
    if (nFound < 0)
        return EFindResult::NotFound;
    SetSel(static_cast<std::size_t>(nFound), static_cast<std::size_t>(SendScintilla(SCI_GETTARGETEND)));
    ShowCaretLine();
    return bWrapped ? EFindResult::FoundAfterWrap : EFindResult::Found;
}

QRect CJavaEditor::SelectionScreenRect() const
{
    const std::size_t nStart = SelStart();
    const std::size_t nEnd = SelEnd();
    const std::size_t nLine = LineFromPosition(nStart);
    auto pointX = [this](std::size_t nPos) {
        return static_cast<int>(SendScintilla(SCI_POINTXFROMPOSITION, 0UL, static_cast<long>(nPos)));
    };
    const int nLeft = pointX(nStart);
    const int nTop = static_cast<int>(SendScintilla(SCI_POINTYFROMPOSITION, 0UL, static_cast<long>(nStart)));
    const int nRight = LineFromPosition(nEnd) == nLine ? pointX(nEnd) : viewport()->width();
    const int nHeight = static_cast<int>(SendScintilla(SCI_TEXTHEIGHT, static_cast<unsigned long>(nLine)));
    const QPoint topLeft = viewport()->mapToGlobal(QPoint(nLeft, nTop));
    return QRect(topLeft, QSize(std::max(1, nRight - nLeft), std::max(1, nHeight)));
}

bool CJavaEditor::ReplaceAndFind(const QString& strWhat, const QString& strWith, bool bMatchCase, bool bWholeWord)
{
    if (strWhat.isEmpty())
        return false;
    QString strSelected = selectedText();
    if (!strSelected.isEmpty() &&
        strSelected.compare(strWhat, bMatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0) {
        QByteArray bytes = isUtf8() ? strWith.toUtf8() : strWith.toLatin1();
        ReplaceSelection(bytes.toStdString());
    }
    return FindForward(strWhat, bMatchCase, bWholeWord);
}

int CJavaEditor::ReplaceEvery(const QString& strWhat, const QString& strWith, bool bMatchCase, bool bWholeWord)
{
    if (strWhat.isEmpty())
        return 0;
    int nCount = 0;
    BeginUndoStep();
    SetSel(0, 0);
    while (findFirst(strWhat, false, bMatchCase, bWholeWord, false, true, -1, -1, false, false, false)) {
        replace(strWith);
        ++nCount;
    }
    EndUndoStep();
    return nCount;
}

void CJavaEditor::DefineMarkerImage(int nMarker, const QImage& image)
{
    markerDefine(image, nMarker);
}

void CJavaEditor::SetSymbolMargin(int nMargin, unsigned long nMarkerMask)
{
    SendScintilla(SCI_SETMARGINTYPEN, static_cast<unsigned long>(nMargin), static_cast<long>(SC_MARGIN_SYMBOL));
    SendScintilla(SCI_SETMARGINMASKN, static_cast<unsigned long>(nMargin), static_cast<long>(nMarkerMask));
}

void CJavaEditor::SetMarginWidth(int nMargin, int nPixels)
{
    SendScintilla(SCI_SETMARGINWIDTHN, static_cast<unsigned long>(nMargin), static_cast<long>(nPixels));
}

void CJavaEditor::AddMarker(std::size_t nLine, int nMarker)
{
    SendScintilla(SCI_MARKERADD, static_cast<unsigned long>(nLine), static_cast<long>(nMarker));
}

void CJavaEditor::DeleteMarkers(int nMarker)
{
    SendScintilla(SCI_MARKERDELETEALL, static_cast<unsigned long>(nMarker));
}

bool CJavaEditor::HasMarkers(unsigned long nMarkerMask) const
{
    return SendScintilla(SCI_MARKERNEXT, 0UL, static_cast<long>(nMarkerMask)) >= 0;
}

void CJavaEditor::SetSquiggleIndicator(int nIndicator, std::uint32_t crColour)
{
    SendScintilla(SCI_INDICSETSTYLE, static_cast<unsigned long>(nIndicator), static_cast<long>(INDIC_SQUIGGLE));
    SendScintilla(SCI_INDICSETFORE, static_cast<unsigned long>(nIndicator), static_cast<long>(crColour));
}

void CJavaEditor::SetCurrentIndicator(int nIndicator)
{
    SendScintilla(SCI_SETINDICATORCURRENT, static_cast<unsigned long>(nIndicator));
}

void CJavaEditor::FillIndicatorRange(std::size_t nStart, std::size_t nLength)
{
    SendScintilla(SCI_INDICATORFILLRANGE, static_cast<unsigned long>(nStart), static_cast<long>(nLength));
}

void CJavaEditor::ClearIndicatorRange(std::size_t nStart, std::size_t nLength)
{
    SendScintilla(SCI_INDICATORCLEARRANGE, static_cast<unsigned long>(nStart), static_cast<long>(nLength));
}

void CJavaEditor::SetStyleColours(int nStyle, std::uint32_t crFore, std::uint32_t crBack)
{
    SendScintilla(SCI_STYLESETFORE, static_cast<unsigned long>(nStyle), static_cast<long>(crFore));
    SendScintilla(SCI_STYLESETBACK, static_cast<unsigned long>(nStyle), static_cast<long>(crBack));
}

void CJavaEditor::SetAnnotation(std::size_t nLine, const std::string& strText, const std::string& strStyles)
{
    SendScintilla(SCI_ANNOTATIONSETTEXT, static_cast<unsigned long>(nLine), strText.c_str());
    SendScintilla(SCI_ANNOTATIONSETSTYLES, static_cast<unsigned long>(nLine), strStyles.c_str());
}

void CJavaEditor::ClearAnnotations()
{
    SendScintilla(SCI_ANNOTATIONCLEARALL);
}

void CJavaEditor::ShowAnnotations(bool bShown)
{
    SendScintilla(SCI_ANNOTATIONSETVISIBLE,
                  static_cast<unsigned long>(bShown ? ANNOTATION_INDENTED : ANNOTATION_HIDDEN));
}

bool CJavaEditor::AnnotationsShown() const
{
    return SendScintilla(SCI_ANNOTATIONGETVISIBLE) != ANNOTATION_HIDDEN;
}

bool CJavaEditor::HasUtf8CodePage() const
{
    return SendScintilla(SCI_GETCODEPAGE) == SC_CP_UTF8;
}

void CJavaEditor::ShowLineNumbers(bool bShown)
{
    m_bLineNumbers = bShown;
    m_nLineDigits = 0;
    UpdateLineNumberWidth();
}

int CJavaEditor::LineNumberMarginWidth() const
{
    return static_cast<int>(SendScintilla(SCI_GETMARGINWIDTHN, 0UL));
}

void CJavaEditor::UpdateLineNumberWidth()
{
    if (!m_bLineNumbers) {
        SetMarginWidth(0, 0);
        return;
    }
    // Counting lines is kept by Scintilla: no scan of the text here.
    int nDigits = 1;
    for (std::size_t nLines = LineCount(); nLines >= 10; nLines /= 10)
        ++nDigits;
    nDigits = std::max(nDigits, 3); // a short file does not make the margin jump as it grows
    if (nDigits == m_nLineDigits)
        return;
    m_nLineDigits = nDigits;
    const std::string strSample(static_cast<std::size_t>(nDigits), '9');
    const long nWidth = SendScintilla(SCI_TEXTWIDTH, static_cast<unsigned long>(STYLE_LINENUMBER), strSample.c_str());
    SetMarginWidth(0, static_cast<int>(nWidth) + 8);
}

void CJavaEditor::OnUpdateUi()
{
    if (m_bLineNumbers)
        UpdateLineNumberWidth();
    UpdateBraceHighlight();
}

CBraceMatch::EResult CJavaEditor::FindBracePair(std::size_t& nBrace, std::size_t& nPartner) const
{
    nPartner = CBraceMatch::kNone;
    const std::size_t nCaret = static_cast<std::size_t>(SendScintilla(SCI_GETCURRENTPOS));
    const std::size_t nLength = TextLength();
    const char chBefore = nCaret > 0 ? static_cast<char>(SendScintilla(SCI_GETCHARAT, nCaret - 1)) : 0;
    const char chAt = nCaret < nLength ? static_cast<char>(SendScintilla(SCI_GETCHARAT, nCaret)) : 0;
    nBrace = CBraceMatch::BraceNear(chBefore, chAt, nCaret);
    if (nBrace == CBraceMatch::kNone)
        return CBraceMatch::EResult::NoBrace;
    const char chBrace = nBrace < nCaret ? chBefore : chAt;
    // Only the side the partner lies on, and no further than the limit.
    std::size_t nStart = nBrace;
    std::size_t nEnd = nBrace + 1;
    if (CBraceMatch::Opens(chBrace))
        nEnd = std::min(nLength, nBrace + 1 + CBraceMatch::kSearchLimit);
    else
        nStart = nBrace > CBraceMatch::kSearchLimit ? nBrace - CBraceMatch::kSearchLimit : 0;
    const bool bAtTextEnd = CBraceMatch::Opens(chBrace) ? nEnd == nLength : nStart == 0;
    const std::string_view strRange = RangeView(nStart, nEnd);
    auto styleAt = [this](std::size_t nPos) { return StyleAt(nPos); };
    return CBraceMatch::FindPartner(strRange, nStart, nBrace, bAtTextEnd, styleAt, nPartner);
}

void CJavaEditor::UpdateBraceHighlight()
{
    std::size_t nBrace = CBraceMatch::kNone;
    std::size_t nPartner = CBraceMatch::kNone;
    const CBraceMatch::EResult eResult = FindBracePair(nBrace, nPartner);
    std::pair<std::size_t, std::size_t> braces{CBraceMatch::kNone, CBraceMatch::kNone};
    bool bBad = false;
    if (eResult == CBraceMatch::EResult::Matched) {
        braces = {nBrace, nPartner};
    } else if (eResult == CBraceMatch::EResult::Unmatched) {
        braces.first = nBrace;
        bBad = true;
    }
    // Painting again only when something changed keeps a keystroke cheap.
    if (braces == m_braces && bBad == m_bBadBrace)
        return;
    m_braces = braces;
    m_bBadBrace = bBad;
    if (bBad)
        SendScintilla(SCI_BRACEBADLIGHT, static_cast<unsigned long>(nBrace));
    else if (braces.first == CBraceMatch::kNone)
        SendScintilla(SCI_BRACEHIGHLIGHT, static_cast<unsigned long>(-1), -1L);
    else
        SendScintilla(SCI_BRACEHIGHLIGHT, static_cast<unsigned long>(nBrace), static_cast<long>(nPartner));
}

bool CJavaEditor::GoToMatchingBrace()
{
    std::size_t nBrace = CBraceMatch::kNone;
    std::size_t nPartner = CBraceMatch::kNone;
    if (FindBracePair(nBrace, nPartner) != CBraceMatch::EResult::Matched)
        return false;
    const std::size_t nCaret = static_cast<std::size_t>(SendScintilla(SCI_GETCURRENTPOS));
    const std::size_t nTo = nBrace < nCaret ? nPartner + 1 : nPartner;
    SetSel(nTo, nTo);
    ShowCaretLine();
    return true;
}
