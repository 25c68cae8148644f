#include "core/editor/CommentToggle.h"

#include <gtest/gtest.h>

#include <string>

TEST(CommentToggleJava, CommentsAtTheSmallestIndentAndLeavesBlankLines)
{
    const std::string strText = "\t\tint a;\r\n\r\n\tint b;\r\n  \r\nx";
    // From inside line 0 to inside line 3 (a blank line): all four lines.
    CEditPlan plan = CCommentToggle::Java(strText, 3, 22);
    EXPECT_EQ(plan.ApplyTo(strText), "\t// \tint a;\r\n\r\n\t// int b;\r\n  \r\nx");
    EXPECT_EQ(plan.m_nSelStart, 0u);
    EXPECT_EQ(plan.m_nSelEnd, 31u); // start of "x", moved by the two insertions
    // A selection ending at a line start leaves that line alone.
    EXPECT_EQ(CCommentToggle::Java("a\r\nb", 0, 3).ApplyTo("a\r\nb"), "// a\r\nb");
    // The last line of the text: the selection runs to the end.
    plan = CCommentToggle::Java("a\r\nb", 1, 4);
    EXPECT_EQ(plan.ApplyTo("a\r\nb"), "// a\r\n// b");
    EXPECT_EQ(plan.m_nSelEnd, 10u);
}

TEST(CommentToggleJava, UncommentsOnlyWhenEveryTextLineIsCommented)
{
    const std::string strText = "  // a\r\n\t//b\r\n\r\n//  c";
    CEditPlan plan = CCommentToggle::Java(strText, 0, strText.size());
    EXPECT_EQ(plan.ApplyTo(strText), "  a\r\n\tb\r\n\r\n c");
    EXPECT_EQ(plan.m_nSelStart, 0u);
    EXPECT_EQ(plan.m_nSelEnd, 13u);
    // One line without "//": every line gets one more.
    const std::string strMixed = "// a\r\nb";
    EXPECT_EQ(CCommentToggle::Java(strMixed, 0, strMixed.size()).ApplyTo(strMixed), "// // a\r\n// b");
    // Commenting then uncommenting gives the text back.
    const std::string strCode = "\tif (x) {\r\n\t\ty();\r\n\t}";
    plan = CCommentToggle::Java(strCode, 0, strCode.size());
    const std::string strCommented = plan.ApplyTo(strCode);
    EXPECT_EQ(strCommented, "\t// if (x) {\r\n\t// \ty();\r\n\t// }");
    EXPECT_EQ(CCommentToggle::Java(strCommented, plan.m_nSelStart, plan.m_nSelEnd).ApplyTo(strCommented), strCode);
}

TEST(CommentToggleJava, EmptySelectionTogglesTheCaretLineAndKeepsTheCaretByItsCharacter)
{
    const std::string strText = "a\r\n\tbc\r\nd";
    CEditPlan plan = CCommentToggle::Java(strText, 5, 5); // before "c"
    EXPECT_EQ(plan.ApplyTo(strText), "a\r\n\t// bc\r\nd");
    EXPECT_EQ(plan.m_nSelStart, 8u);
    EXPECT_EQ(plan.m_nSelEnd, 8u);
    plan = CCommentToggle::Java("\t// bc", 1, 1); // before the "//" that goes
    EXPECT_EQ(plan.ApplyTo("\t// bc"), "\tbc");
    EXPECT_EQ(plan.m_nSelStart, 1u);
    // A caret at a line start toggles that line; a blank line is left as it is.
    EXPECT_EQ(CCommentToggle::Java("a\r\nb", 3, 3).ApplyTo("a\r\nb"), "a\r\n// b");
    EXPECT_TRUE(CCommentToggle::Java("a\r\n \r\nb", 4, 4).m_steps.empty());
}

TEST(CommentToggleHtml, WrapsAndUnwrapsTheSelection)
{
    const std::string strText = "<p>hi</p><b>x</b>";
    CEditPlan plan = CCommentToggle::Html(strText, 0, 9);
    const std::string strWrapped = plan.ApplyTo(strText);
    EXPECT_EQ(strWrapped, "<!-- <p>hi</p> --><b>x</b>");
    EXPECT_EQ(plan.m_nSelStart, 0u);
    EXPECT_EQ(plan.m_nSelEnd, 18u);
    plan = CCommentToggle::Html(strWrapped, 18, 0);
    EXPECT_EQ(plan.ApplyTo(strWrapped), strText);
    EXPECT_EQ(plan.m_nSelStart, 0u);
    EXPECT_EQ(plan.m_nSelEnd, 9u);
    // Markers without blanks inside go as they are.
    EXPECT_EQ(CCommentToggle::Html("<!--x-->", 0, 8).ApplyTo("<!--x-->"), "x");
    // Not exactly one comment: wrapped again.
    EXPECT_EQ(CCommentToggle::Html("<!-- a --> b", 0, 12).ApplyTo("<!-- a --> b"), "<!-- <!-- a --> b -->");
}

TEST(CommentToggleHtml, WithoutSelectionWorksOnTheCaretLineText)
{
    const std::string strText = "<ul>\r\n\t<li>a</li>\r\n</ul>";
    CEditPlan plan = CCommentToggle::Html(strText, 10, 10); // inside "<li>"
    const std::string strWrapped = plan.ApplyTo(strText);
    EXPECT_EQ(strWrapped, "<ul>\r\n\t<!-- <li>a</li> -->\r\n</ul>");
    EXPECT_EQ(plan.m_nSelStart, 15u);
    EXPECT_EQ(plan.m_nSelEnd, 15u);
    plan = CCommentToggle::Html(strWrapped, 15, 15);
    EXPECT_EQ(plan.ApplyTo(strWrapped), strText);
    EXPECT_EQ(plan.m_nSelStart, 10u);
    EXPECT_TRUE(CCommentToggle::Html("a\r\n\t\r\nb", 4, 4).m_steps.empty());
}
