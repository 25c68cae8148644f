#include "ui/editor/java/SyntaxColouring.h"

#include "core/editor/JavaColourer.h"

CSyntaxColouring::CSyntaxColouring(std::uint32_t crPlain, std::uint32_t crKeyword, std::uint32_t crComment,
                                   std::uint32_t crString)
    : CColouring(std::make_unique<CJavaColourer>(),
                 CJavaColourer::ColourTable(crPlain, crKeyword, crComment, crString))
{}
