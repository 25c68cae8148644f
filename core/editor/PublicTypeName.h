#pragma once

#include <string>
#include <string_view>

// The file name a new Java text is saved under by default: its first
// top-level public type's name with ".java" ("public class Hello" gives
// "Hello.java"; interfaces, enums, records and annotation types count, with
// any of final, abstract, static, sealed, non-sealed or strictfp before the
// keyword). Comments, strings and character literals are skipped. Empty
// when the text declares no public type. One pass over the text.
std::string ProposedJavaFileName(std::string_view strText);
