#pragma once

#include "ui/editor/Colouring.h"

#include <cstdint>

// The Java colouring of an editor (see CColouring).
class CSyntaxColouring : public CColouring {
public:
    CSyntaxColouring(std::uint32_t crPlain, std::uint32_t crKeyword, std::uint32_t crComment, std::uint32_t crString);
};
