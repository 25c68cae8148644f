#include "core/editor/HtmlAppletTag.h"

#include <gtest/gtest.h>

TEST(HtmlAppletTag, OrdinaryNameGivesTheWholeElement)
{
    EXPECT_EQ(CHtmlAppletTag::Text("Hello.java"), "\r\n<APPLET CODE=\"Hello.class\" \r\n"
                                                  "\tWIDTH=300\r\n"
                                                  "\tHEIGHT=300>\r\n"
                                                  "Applet Hello.class\r\n"
                                                  "</APPLET>\r\n");
    // Every ".java" becomes ".class"; other text stays as it is.
    EXPECT_EQ(CHtmlAppletTag::Text("a.java.java"), "\r\n<APPLET CODE=\"a.class.class\" \r\n"
                                                   "\tWIDTH=300\r\n"
                                                   "\tHEIGHT=300>\r\n"
                                                   "Applet a.class.class\r\n"
                                                   "</APPLET>\r\n");
}

TEST(HtmlAppletTag, MarkupInTheNameIsWrittenAsText)
{
    EXPECT_EQ(CHtmlAppletTag::Text("x\" onmouseover=\"alert(1).java"),
              "\r\n<APPLET CODE=\"x&quot; onmouseover=&quot;alert(1).class\" \r\n"
              "\tWIDTH=300\r\n"
              "\tHEIGHT=300>\r\n"
              "Applet x&quot; onmouseover=&quot;alert(1).class\r\n"
              "</APPLET>\r\n");
    EXPECT_EQ(CHtmlAppletTag::Text("<b>&'.java"), "\r\n<APPLET CODE=\"&lt;b&gt;&amp;&#39;.class\" \r\n"
                                                  "\tWIDTH=300\r\n"
                                                  "\tHEIGHT=300>\r\n"
                                                  "Applet &lt;b&gt;&amp;&#39;.class\r\n"
                                                  "</APPLET>\r\n");
}
