#include "core/editor/OutlineListing.h"
#include "core/editor/OutlineScanner.h"

#include <gtest/gtest.h>

TEST(OutlineListing, ListsEntriesWithTheirCrLfOffsets)
{
    COutlineScanner scanner;
    scanner.ScanClasses("class A {\r\n  void f() {\r\n  }\r\n  class B {\r\n    int g(int x) {}\r\n  }\r\n}\r\n");
    EXPECT_EQ(COutlineListing::Write(scanner), "0\tA\n"
                                               "11\tA.f()\n"
                                               "30\tA.B\n"
                                               "43\tA.B.g(int x)\n");
}

TEST(OutlineListing, EmptyOutlineListsNothing)
{
    COutlineScanner scanner;
    scanner.ScanClasses("no braces here\r\n");
    EXPECT_EQ(COutlineListing::Write(scanner), "");
}

TEST(OutlineListing, EntriesPastThe255thHaveTheirPositions)
{
    std::string strText = "class A {\r\n";
    for (int nIndex = 0; nIndex < 256; ++nIndex)
        strText += "void m" + std::to_string(nIndex) + "() {}\r\n";
    strText += "}\r\n";
    COutlineScanner scanner;
    scanner.ScanClasses(strText);
    const std::string strListing = COutlineListing::Write(scanner);
    // Entry 0 is the class, then methods m0..m255. Lines are 14, 15 or 16
    // bytes for one-, two- and three-digit names.
    EXPECT_EQ(strListing.substr(0, 24), "0\tA\n11\tA.m0()\n25\tA.m1()\n");
    const std::string strTail = "3949\tA.m253()\n3965\tA.m254()\n3981\tA.m255()\n";
    ASSERT_GE(strListing.size(), strTail.size());
    EXPECT_EQ(strListing.substr(strListing.size() - strTail.size()), strTail);
}
