#include "core/editor/ClassInfoSink.h"
#include "core/editor/OutlineScanner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

// The outline scan written the slow, obvious way: the remaining text is a
// copy that every step searches from its start and cuts at the front, with
// -1 for "not found" as in the old string class. The scanner must give the
// same entries, positions and project calls.
class CCopyingOutline {
public:
    std::vector<std::string> m_functions;
    std::vector<int> m_positions;
    std::vector<std::string> m_calls;

    void ScanClasses(std::string text)
    {
        m_calls = {"Clear"};
        m_strCurrentClass.clear();
        int depth = 0;
        m_nScanOffset = 0;
        m_functions.clear();
        m_positions.clear();
        m_bInNestedClass = false;
        while (Find(text, "{") != -1) {
            while (Find(text, "/*") != -1 && Find(text, "/*") < Find(text, "{") && Find(text, "/*") < Find(text, "}") &&
                   Find(text, "*/") != -1) {
                const int removed = Find(text, "*/") + 2;
                text = Mid(text, removed);
                m_nScanOffset += removed;
            }
            while (Find(text, "//") != -1 && Find(text, "//") < Find(text, "{") && Find(text, "//") < Find(text, "}") &&
                   Find(text, "{") != -1) {
                const int b = Find(text, "//");
                const int feed = Find(text, "\n", b);
                if (feed == -1)
                    break;
                text = Mid(text, feed);
                m_nScanOffset += feed;
            }
            const int ob = Find(text, "{");
            const int cb = Find(text, "}");
            if (ob < cb) {
                ++depth;
                m_nScanOffset += ob + 1;
                if (depth < 3) {
                    m_bInNestedClass = false;
                    ScanDeclaration(Left(text, ob), depth);
                } else if (depth == 3 && m_bInNestedClass) {
                    ScanDeclaration(Left(text, ob), depth);
                }
                text = Mid(text, ob + 1);
            } else {
                --depth;
                if (cb >= 0) {
                    m_nScanOffset += cb + 1;
                    text = Mid(text, cb + 1);
                }
                if (depth < 0)
                    break;
            }
        }
        m_calls.push_back("Update");
    }

private:
    bool m_bInNestedClass = false;
    std::string m_strNestedClass;
    int m_nDeclPos = 0;
    std::string m_strCurrentClass;
    int m_nScanOffset = 0;

    static int Find(const std::string& s, const std::string& what, int from = 0)
    {
        const std::size_t n = s.find(what, static_cast<std::size_t>(from));
        return n == std::string::npos ? -1 : static_cast<int>(n);
    }
    static int ReverseFind(const std::string& s, char c)
    {
        const std::size_t n = s.rfind(c);
        return n == std::string::npos ? -1 : static_cast<int>(n);
    }
    static std::string Left(const std::string& s, int n) { return n <= 0 ? std::string() : s.substr(0, n); }
    static std::string Mid(const std::string& s, int from, int count = -2)
    {
        if (from > static_cast<int>(s.size()))
            return std::string();
        if (count == -2)
            return s.substr(static_cast<std::size_t>(from));
        return count <= 0 ? std::string() : s.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(count));
    }
    static std::string TrimRight(std::string s)
    {
        while (!s.empty() && std::string(" \t\r\n\v\f").find(s.back()) != std::string::npos)
            s.pop_back();
        return s;
    }
    static std::string Replace(std::string s, const std::string& from, const std::string& to)
    {
        std::string out;
        std::size_t at = 0;
        for (std::size_t hit; (hit = s.find(from, at)) != std::string::npos; at = hit + from.size())
            out += s.substr(at, hit - at) + to;
        return out + s.substr(at);
    }

    void ScanDeclaration(const std::string& head, int depth)
    {
        const std::string w = TrimRight(head);
        if (w.empty())
            return;
        int nl = ReverseFind(w, '\n');
        if (nl >= 0) {
            if (Find(w, "(") != -1 && ReverseFind(w, '(') < nl)
                nl = ReverseFind(Left(w, ReverseFind(w, '(')), '\n');
            else if (Find(w, "(") == -1 && Find(w, "class ") != -1 && Find(w, "class ") < nl)
                nl = ReverseFind(Left(w, Find(w, "class ")), '\n');
        }
        std::string d = Mid(w, nl + 1);
        m_nDeclPos = m_nScanOffset - static_cast<int>(head.size()) - 1 + (nl + 1);
        const std::size_t first = d.find_first_not_of("\t\n\r ");
        d = first == std::string::npos ? std::string() : d.substr(first);
        if (d.empty())
            return;
        AddOutlineEntry(d, depth);
    }

    void AddOutlineEntry(std::string d, int depth)
    {
        d = Replace(d, "\r\n", " ");
        d = Replace(d, "\t", " ");
        for (int i = 0; i < 5; ++i)
            d = Replace(d, "  ", " ");
        std::string entry;
        if (Find(d, "class ") == -1 && Find(d, "interface ") == -1) {
            const int p = Find(d, "(");
            if (p < 1)
                return;
            const std::string n = TrimRight(Left(d, p));
            const int start = static_cast<int>(n.rfind(' ') == std::string::npos ? 0 : n.rfind(' ') + 1);
            const int r = ReverseFind(d, ')') + 1;
            if (r == 0)
                return;
            const std::string m = Mid(d, start, r - start);
            if (depth < 3) {
                m_calls.push_back("Member|" + m_strCurrentClass + "|" + m);
                entry = m_strCurrentClass + "." + m;
            } else {
                m_calls.push_back("NestedMember|" + m_strCurrentClass + "|" + m_strNestedClass + "|" + m);
                entry = m_strCurrentClass + "." + m_strNestedClass + "." + m;
            }
        } else {
            int k = Find(d, "class ");
            if (k == -1)
                k = Find(d, "interface ");
            const std::string rest = Mid(d, Find(d, " ", k) + 1);
            const std::size_t stop = rest.find_first_of("\r\t\n ");
            const std::string name = stop == std::string::npos ? rest : rest.substr(0, stop);
            if (depth < 2) {
                m_strCurrentClass = name;
                entry = name;
                m_calls.push_back("Class|" + name);
            } else {
                m_strNestedClass = name;
                entry = m_strCurrentClass + "." + name;
                m_calls.push_back("Nested|" + m_strCurrentClass + "|" + name);
                m_bInNestedClass = true;
            }
        }
        m_functions.push_back(entry);
        m_positions.push_back(m_nDeclPos);
    }
};

class CLoggingClassSink : public IClassInfoSink {
public:
    std::vector<std::string> m_calls;

    void ClearFileClasses(const std::string&) override { m_calls.push_back("Clear"); }
    void AddClass(const std::string&, const std::string& c) override { m_calls.push_back("Class|" + c); }
    void AddMember(const std::string&, const std::string& c, const std::string& m) override
    {
        m_calls.push_back("Member|" + c + "|" + m);
    }
    void AddNestedClass(const std::string&, const std::string& c, const std::string& n) override
    {
        m_calls.push_back("Nested|" + c + "|" + n);
    }
    void AddNestedMember(const std::string&, const std::string& c, const std::string& n, const std::string& m) override
    {
        m_calls.push_back("NestedMember|" + c + "|" + n + "|" + m);
    }
    void UpdateProjectViews() override { m_calls.push_back("Update"); }
};

// Scans text both ways; returns the number of entries listed.
static std::size_t ExpectSameOutline(const std::string& text)
{
    CCopyingOutline copying;
    copying.ScanClasses(text);
    COutlineScanner scanner;
    CLoggingClassSink sink;
    scanner.ScanClasses(text, &sink, "F.java");

    EXPECT_EQ(scanner.GetFunctions(), copying.m_functions) << "text: [" << text << "]";
    std::vector<int> positions;
    for (std::size_t i = 0; i < scanner.GetFunctions().size(); ++i)
        positions.push_back(scanner.GetPosition(static_cast<int>(i)));
    EXPECT_EQ(positions, copying.m_positions) << "text: [" << text << "]";
    EXPECT_EQ(sink.m_calls, copying.m_calls) << "text: [" << text << "]";
    return copying.m_functions.size();
}

TEST(OutlineDifferential, HandWrittenQuirksMatchTheCopyingScan)
{
    const char* texts[] = {
        "",
        "{",
        "}",
        "}{",
        "class A {\r\n  void f() {\r\n  }\r\n}\r\n",
        "// a {\r\n/* b } */ class A {\r\n}",
        "/* a */ // b {\r\n /* c */\r\nclass A {\r\n void f() {}\r\n}",
        "*/ /*/ class A { void f() {} }",
        "class A { // no line feed after this {",
        "class A {\r\n // x\r\n // y {\r\n void f()\r\n   throws E {\r\n }\r\n}",
        "/* never closed { class A {\r\n void f() {\r\n }\r\n}",
        "class A {\r\n interface B\r\n   extends C {\r\n  void g(\r\n int x) {}\r\n }\r\n}",
        "class\tA\r\n{\r\n void\tf\t(int\ta)\t{\r\n }\r\n}",
        "class A {\n void f() {\n }\n class B\n{\n void g() { }\n }\n}",
        "class A { class B { class C { void d() { } } void e() { } } }",
        "class A {\r\n a) b(c {\r\n }\r\n}",
        "class A {\r\n void f(\"}\") {\r\n }\r\n void g() {\r\n }\r\n}",
        "x\v{ \f( ) {\r\n}\r\n",
    };
    for (const char* text : texts)
        ExpectSameOutline(text);
}

// Random texts built from the pieces the scan reacts to.
TEST(OutlineDifferential, GeneratedTextsMatchTheCopyingScan)
{
    static const std::vector<std::string> pieces = {
        "{",
        "{",
        "{",
        "}",
        "}",
        "}",
        "(",
        ")",
        "/*",
        "*/",
        "//",
        "\r\n",
        "\r\n",
        "\n",
        "\r",
        "\t",
        " ",
        "  ",
        "    ",
        "class ",
        "interface ",
        "void f",
        "int g",
        "x",
        "a, b",
        ";",
        "\"",
        "/",
        "*",
        "throws E ",
        "new Foo()",
        "static ",
        "\v",
        "public class A extends B ",
        "subclass ",
        "f(int a,\r\n int b)",
        "class A {\r\n",
        "  void m(int x) {\r\n",
        "  class B\r\n {",
        "}\r\n",
        "h() {",
        "interface I\r\n extends J {",
    };
    std::mt19937 random(20240611u);
    int nWithEntries = 0;
    std::size_t nListed = 0;
    for (int n = 0; n < 30000; ++n) {
        std::string text;
        const int nPieces = static_cast<int>(random() % 60);
        for (int i = 0; i < nPieces; ++i)
            text += pieces[random() % pieces.size()];
        const std::size_t nEntries = ExpectSameOutline(text);
        nListed += nEntries;
        nWithEntries += nEntries > 0 ? 1 : 0;
        if (HasFailure())
            return;
    }
    // The generator must reach the entry-making paths, not just the empty ones.
    std::printf("%d of 30000 texts listed %zu entries\n", nWithEntries, nListed);
    EXPECT_GT(nListed, 20000u);
}

// Java-like files with classes, nested classes, methods, comments and bodies.
TEST(OutlineDifferential, GeneratedSourcesMatchTheCopyingScan)
{
    static const std::vector<std::string> members = {
        "  void run() {\r\n  }\r\n",
        "  public int size(int a,\r\n      int b) throws E {\r\n    if (a) {\r\n      b();\r\n    }\r\n  }\r\n",
        "  // draws { the thing\r\n  void paint() {\r\n  }\r\n",
        "  /** see {@link X} */\r\n  String name() { return \"}\"; }\r\n",
        "  static class Inner\r\n      implements Runnable {\r\n    void go() {\r\n      new T() { void x() {} };\r\n    }\r\n  }\r\n",
        "  Foo f = new Foo() {\r\n    public void run() { }\r\n  };\r\n",
        "  int[] a = { 1, 2 };\r\n",
        "  static {\r\n  }\r\n",
        "  /* unclosed\r\n",
        "  interface Cb {\r\n    void call(int x);\r\n    void back() {}\r\n  }\r\n",
        "\tvoid\ttabbed ( ) {\r\n\t}\r\n",
    };
    std::mt19937 random(77u);
    for (int n = 0; n < 3000; ++n) {
        std::string text = random() % 2 ? "import java.util.*;\r\n\r\n" : "";
        const int nClasses = 1 + static_cast<int>(random() % 3);
        for (int c = 0; c < nClasses; ++c) {
            text += random() % 2 ? "public class C" + std::to_string(c) + "\r\n    extends Base\r\n{\r\n"
                                 : "class C" + std::to_string(c) + " {\r\n";
            const int nMembers = static_cast<int>(random() % 8);
            for (int m = 0; m < nMembers; ++m)
                text += members[random() % members.size()];
            text += "}\r\n";
        }
        ExpectSameOutline(text);
        if (HasFailure())
            return;
    }
}
