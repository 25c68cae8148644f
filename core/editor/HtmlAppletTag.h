#pragma once

#include <string>
#include <string_view>

// The APPLET element Insert Applet puts into a page for the project's main
// Java file: CR LF breaks, as the editor holds text.
class CHtmlAppletTag {
public:
    // The element for strMainJavaFile, every ".java" in it read as ".class":
    // a line break first, so the element starts a line of its own; the start
    // tag over three lines (CODE, then WIDTH and HEIGHT indented by a tab);
    // "Applet " and the class file as content; the end tag and a line break.
    // The class file is written with &, <, >, " and ' as character
    // references, so a name cannot end the attribute or add markup.
    static std::string Text(std::string_view strMainJavaFile);
};
