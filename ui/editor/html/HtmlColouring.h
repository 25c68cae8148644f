#pragma once

#include "ui/editor/Colouring.h"

#include <cstdint>

// The HTML colouring of an editor (see CColouring).
class CHtmlColouring : public CColouring {
public:
    CHtmlColouring(std::uint32_t crPlain, std::uint32_t crKeyword, std::uint32_t crComment, std::uint32_t crString,
                   std::uint32_t crTag);
};
