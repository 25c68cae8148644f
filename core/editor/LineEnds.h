#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// The line-break convention of a file on disk.
enum class ELineEnd { CrLf, Lf, Cr };

// Moves text between its bytes on disk and the editor, which always holds CR LF.
// Only line-break bytes change; every other byte passes through untouched, so
// any encoding survives a load/save round trip. All operations are linear.
class CLineEnds {
public:
    // The convention a new file gets: CR LF on Windows, LF elsewhere.
    static ELineEnd PlatformDefault();

    // The convention of loaded bytes: the one used by most line breaks, the
    // earliest one when two are used equally often (the file's first lines are
    // what its author saw last), eDefault when the bytes hold no line break.
    // A CR directly followed by LF is one CR LF break, never a CR and an LF.
    static ELineEnd Detect(std::string_view strBytes, ELineEnd eDefault);

    // Every CR LF, lone CR and lone LF becomes CR LF.
    static std::string ToCrLf(std::string_view strBytes);
    // The same text handed to onPiece in order, in pieces of at most
    // nPieceBytes (2 or more) that never split a CR LF: a large file reaches
    // the editor without a whole converted copy of it.
    static void ToCrLfInPieces(std::string_view strBytes, std::size_t nPieceBytes,
                               const std::function<void(std::string_view)>& onPiece);
    // The length of ToCrLf(strBytes), without making it.
    static std::size_t CrLfLength(std::string_view strBytes);

    // Every line break of editor text (CR LF, and also a lone CR or LF) becomes
    // the break of eLineEnd, so the saved file is consistent.
    static std::string FromCrLf(std::string_view strText, ELineEnd eLineEnd);

    // The bytes of one line break in the given convention.
    static std::string_view Sequence(ELineEnd eLineEnd);
};
