#include "core/editor/ClassInfoSink.h"
#include "core/editor/OutlineScanner.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Records the project calls of a scan as readable lines.
class CRecordingClassSink : public IClassInfoSink {
public:
    std::vector<std::string> m_calls;

    void ClearFileClasses(const std::string& strPath) override { m_calls.push_back("Clear " + strPath); }
    void AddClass(const std::string& strPath, const std::string& strClass) override
    {
        m_calls.push_back("Class " + strPath + " [" + strClass + "]");
    }
    void AddMember(const std::string& strPath, const std::string& strClass, const std::string& strMember) override
    {
        m_calls.push_back("Member " + strPath + " [" + strClass + "] [" + strMember + "]");
    }
    void AddNestedClass(const std::string& strPath, const std::string& strClass, const std::string& strNested) override
    {
        m_calls.push_back("Nested " + strPath + " [" + strClass + "] [" + strNested + "]");
    }
    void AddNestedMember(const std::string& strPath, const std::string& strClass, const std::string& strNested,
                         const std::string& strMember) override
    {
        m_calls.push_back("NestedMember " + strPath + " [" + strClass + "] [" + strNested + "] [" + strMember + "]");
    }
    void UpdateProjectViews() override { m_calls.push_back("Update"); }
};

static std::string JoinCrLf(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

// Entries with their positions, for one comparison per scan.
static std::vector<std::pair<std::string, int>> Listed(const COutlineScanner& scanner)
{
    std::vector<std::pair<std::string, int>> listed;
    for (std::size_t i = 0; i < scanner.GetFunctions().size(); ++i)
        listed.emplace_back(scanner.GetFunctions()[i], scanner.GetPosition(static_cast<int>(i)));
    return listed;
}

using Listing = std::vector<std::pair<std::string, int>>;

TEST(OutlineScanner, TextWithoutBracesListsNothingAndClearsTheFile)
{
    COutlineScanner scanner;
    CRecordingClassSink sink;
    scanner.ScanClasses("int x;\r\n// class A\r\n", &sink, "/p/A.java");
    EXPECT_TRUE(scanner.GetFunctions().empty());
    EXPECT_EQ(sink.m_calls, (std::vector<std::string>{"Clear /p/A.java", "Update"}));
    EXPECT_EQ(scanner.FindFunction("A"), -1);
}

TEST(OutlineScanner, ClassesMembersAndNestedClassesInTextOrder)
{
    // Offsets: "class A {" 0, "  void f() {" 11, "  class B {" 30,
    // "    void g(int x) {" 43, "  int h() throws E {" 76.
    const std::string text = JoinCrLf({"class A {", "  void f() {", "  }", "  class B {", "    void g(int x) {",
                                       "    }", "  }", "  int h() throws E {", "  }", "}"});
    COutlineScanner scanner;
    CRecordingClassSink sink;
    scanner.ScanClasses(text, &sink, "A.java");
    EXPECT_EQ(Listed(scanner), (Listing{{"A", 0}, {"A.f()", 11}, {"A.B", 30}, {"A.B.g(int x)", 43}, {"A.h()", 76}}));
    EXPECT_EQ(sink.m_calls, (std::vector<std::string>{"Clear A.java", "Class A.java [A]", "Member A.java [A] [f()]",
                                                      "Nested A.java [A] [B]", "NestedMember A.java [A] [B] [g(int x)]",
                                                      "Member A.java [A] [h()]", "Update"}));
    EXPECT_EQ(scanner.FindFunction("A.B.g(int x)"), 43);
    EXPECT_EQ(scanner.FindFunction("a.B.g(int x)"), -1);
    EXPECT_EQ(scanner.GetEntryLine(text, 1), (COutlineLine{11, 24}));
    EXPECT_EQ(scanner.GetEntryLine(text, 0), (COutlineLine{0, 10}));
}

TEST(OutlineScanner, HeadersAreCutToNameAndParameters)
{
    // "public abstract class Shape extends Base {" is 42 bytes: the next line starts at 44.
    const std::string text =
        JoinCrLf({"public abstract class Shape extends Base {", "    void paint(Graphics g) throws X {", "    }",
                  "    public <T> List<T> get(Map<K, V> m) {", "    }", "    Foo f = new Foo() {",
                  "        public void run() {", "        }", "    };", "}"});
    COutlineScanner scanner;
    scanner.ScanClasses(text);
    const int nGet = static_cast<int>(text.find("    public <T>"));
    const int nFoo = static_cast<int>(text.find("    Foo f"));
    EXPECT_EQ(nGet, 90);
    EXPECT_EQ(
        Listed(scanner),
        (Listing{
            {"Shape", 0}, {"Shape.paint(Graphics g)", 44}, {"Shape.get(Map<K, V> m)", nGet}, {"Shape.Foo()", nFoo}}));
}

TEST(OutlineScanner, DeclarationsOverSeveralLinesStartOnTheirFirstLine)
{
    const std::string text = JoinCrLf({"import x;", "", "public class A", "    extends B", "    implements C", "{",
                                       "    void f(int a,", "           int b) {", "    }", "}"});
    COutlineScanner scanner;
    scanner.ScanClasses(text);
    // "import x;\r\n\r\n" is 13 bytes; the class's "{" stands at 62, so f starts at 65.
    EXPECT_EQ(Listed(scanner), (Listing{{"A", 13}, {"A.f(int a, int b)", 65}}));
    EXPECT_EQ(scanner.GetEntryLine(text, 0), (COutlineLine{13, 28}));

    // Only a header holding "class " is followed back to its first line: an
    // interface header over two lines is read from "extends J" and missed.
    scanner.ScanClasses(JoinCrLf({"interface I", "    extends J", "{", "  void f() {", "  }", "}"}));
    EXPECT_EQ(Listed(scanner), (Listing{{".f()", 31}}));
}

TEST(OutlineScanner, LeadingCommentsHideTheirBracesButLiteralsDoNot)
{
    const std::string comments = JoinCrLf({"class A {", "  // draws { the thing", "  /** see {@link B} */",
                                           "  void f() {", "  }", "  void g() {", "  }", "}"});
    COutlineScanner scanner;
    scanner.ScanClasses(comments);
    EXPECT_EQ(Listed(scanner), (Listing{{"A", 0},
                                        {"A.f()", static_cast<int>(comments.find("  void f"))},
                                        {"A.g()", static_cast<int>(comments.find("  void g"))}}));

    // The '{' in the string opens a level that its method's '}' closes: g
    // ends up at depth 3 and is missed.
    const std::string literal =
        JoinCrLf({"class A {", "  void f() {", "    s = \"{\";", "  }", "  void g() {", "  }", "}"});
    scanner.ScanClasses(literal);
    EXPECT_EQ(Listed(scanner), (Listing{{"A", 0}, {"A.f()", 11}}));
}

TEST(OutlineScanner, BodiesAnonymousAndLocalClassesAreNotListed)
{
    const std::string text = JoinCrLf({"class A {", "  void f() {", "    if (x) {", "      Runnable r = new R() {",
                                       "        public void run() { }", "      };", "    }", "    class L {",
                                       "      void m() { }", "    }", "  }", "  static {", "  }", "}"});
    COutlineScanner scanner;
    scanner.ScanClasses(text);
    EXPECT_EQ(Listed(scanner), (Listing{{"A", 0}, {"A.f()", 11}}));
}

TEST(OutlineScanner, ClassKeywordAnywhereAndMembersWithoutClass)
{
    // A member at depth 1 goes under the empty class name; "class " inside
    // a member header makes it a nested class, whose members then count.
    const std::string text = JoinCrLf({"void f() {", "}", "interface I extends J {", "  void subclass (int a) {",
                                       "    void k() {", "    }", "  }", "}"});
    COutlineScanner scanner;
    CRecordingClassSink sink;
    scanner.ScanClasses(text, &sink, "P");
    const int nSub = static_cast<int>(text.find("  void subclass"));
    const int nK = static_cast<int>(text.find("    void k"));
    EXPECT_EQ(Listed(scanner), (Listing{{".f()", 0}, {"I", 15}, {"I.(int", nSub}, {"I.(int.k()", nK}}));
    EXPECT_EQ(sink.m_calls,
              (std::vector<std::string>{"Clear P", "Member P [] [f()]", "Class P [I]", "Nested P [I] [(int]",
                                        "NestedMember P [I] [(int] [k()]", "Update"}));
}

TEST(OutlineScanner, HeadersThatCannotBeReadAddNothing)
{
    // No '(' / '(' first / no ')' / only white space.
    const std::string text = JoinCrLf({"class A {", "  int[] a = {", "  };", "  (x) {", "  }", "  void f( {", "  }",
                                       "  void g() {", "  }", "  {", "  }", "}"});
    COutlineScanner scanner;
    scanner.ScanClasses(text);
    EXPECT_EQ(Listed(scanner), (Listing{{"A", 0}, {"A.g()", static_cast<int>(text.find("  void g"))}}));
}

TEST(OutlineScanner, UnbalancedBracesEndTheScan)
{
    COutlineScanner scanner;
    CRecordingClassSink sink;
    scanner.ScanClasses(JoinCrLf({"class A {", "  void f() {", "  }", "  void g() {"}), &sink, "P");
    EXPECT_EQ(Listed(scanner), (Listing{{"A", 0}, {"A.f()", 11}}));
    EXPECT_EQ(sink.m_calls.back(), "Update");

    scanner.ScanClasses(JoinCrLf({"class A {", "}", "}", "class B {", "}"}));
    EXPECT_EQ(Listed(scanner), (Listing{{"A", 0}}));
}

TEST(OutlineScanner, EachScanStartsFromNothing)
{
    COutlineScanner scanner;
    scanner.ScanClasses(JoinCrLf({"class A {", "}"}));
    scanner.ScanClasses(JoinCrLf({"void f() {", "}"}));
    EXPECT_EQ(Listed(scanner), (Listing{{".f()", 0}}));
    EXPECT_EQ(scanner.FindFunction("A"), -1);
}

TEST(OutlineScanner, EveryEntryKeepsItsPositionHoweverMany)
{
    std::string text = "class A {\r\n";
    for (int i = 0; i < 300; ++i)
        text += "  void m" + std::to_string(i) + "() {\r\n  }\r\n";
    text += "  void m0() {\r\n  }\r\n}\r\n";
    COutlineScanner scanner;
    scanner.ScanClasses(text);
    ASSERT_EQ(scanner.GetFunctions().size(), 302u);
    EXPECT_EQ(scanner.GetFunctions()[254], "A.m253()");
    EXPECT_EQ(scanner.GetPosition(254), static_cast<int>(text.find("  void m253()")));
    EXPECT_EQ(scanner.GetFunctions()[255], "A.m254()");
    EXPECT_EQ(scanner.GetPosition(255), static_cast<int>(text.find("  void m254()")));
    EXPECT_EQ(scanner.GetPosition(300), static_cast<int>(text.find("  void m299()")));
    EXPECT_EQ(scanner.GetPosition(301), static_cast<int>(text.rfind("  void m0()")));
    EXPECT_EQ(scanner.GetPosition(302), COutlineScanner::kNoPosition);
    EXPECT_EQ(scanner.GetPosition(-1), COutlineScanner::kNoPosition);
    const std::optional<COutlineLine> line = scanner.GetEntryLine(text, 300);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(text.substr(line->m_nStart, line->m_nEnd - line->m_nStart), "  void m299() {\r");
    EXPECT_EQ(scanner.FindFunction("A.m299()"), static_cast<int>(text.find("  void m299()")));
    // The first of two equal entries wins.
    EXPECT_EQ(scanner.FindFunction("A.m0()"), 11);
}
