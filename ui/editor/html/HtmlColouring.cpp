#include "ui/editor/html/HtmlColouring.h"

#include "core/editor/HtmlColourer.h"

CHtmlColouring::CHtmlColouring(std::uint32_t crPlain, std::uint32_t crKeyword, std::uint32_t crComment,
                               std::uint32_t crString, std::uint32_t crTag)
    : CColouring(std::make_unique<CHtmlColourer>(),
                 CHtmlColourer::ColourTable(crPlain, crKeyword, crComment, crString, crTag))
{}
