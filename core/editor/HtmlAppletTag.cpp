#include "core/editor/HtmlAppletTag.h"

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
    return "\r\n<APPLET CODE=\"" + strClass + "\" \r\n\tWIDTH=300\r\n\tHEIGHT=300>\r\n" + "Applet " + strClass +
           "\r\n</APPLET>\r\n";
}
