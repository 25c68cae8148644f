#include "core/editor/HtmlAppletTag.h"

namespace {
// The class name comes from a file name, which may hold quotes and markup:
// written as text, it can neither end the attribute nor open a tag.
void AppendEscaped(std::string& strOut, std::string_view strText)
{
    for (const char ch : strText) {
        switch (ch) {
        case '&': strOut += "&amp;"; break;
        case '<': strOut += "&lt;"; break;
        case '>': strOut += "&gt;"; break;
        case '"': strOut += "&quot;"; break;
        case '\'': strOut += "&#39;"; break;
        default: strOut += ch; break;
        }
    }
}
} // namespace

std::string CHtmlAppletTag::Text(std::string_view strMainJavaFile)
{
    std::string strClass;
    for (std::size_t i = 0; i < strMainJavaFile.size();) {
        if (strMainJavaFile.substr(i, 5) == ".java") {
            strClass += ".class";
            i += 5;
        } else {
            strClass += strMainJavaFile[i++];
        }
    }
    std::string strEscaped;
    AppendEscaped(strEscaped, strClass);
    return "\r\n<APPLET CODE=\"" + strEscaped + "\" \r\n\tWIDTH=300\r\n\tHEIGHT=300>\r\n" + "Applet " + strEscaped +
           "\r\n</APPLET>\r\n";
}
