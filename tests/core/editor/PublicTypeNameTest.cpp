#include "core/editor/PublicTypeName.h"

#include <gtest/gtest.h>

// The name a new Java text proposes for its file: the first top-level
// public type, whatever kind and modifiers, never one inside a comment, a
// string or another type's body.
TEST(PublicTypeNameTest, FirstTopLevelPublicType)
{
    EXPECT_EQ(ProposedJavaFileName("public class Hello {\r\n}\r\n"), "Hello.java");
    EXPECT_EQ(ProposedJavaFileName("import java.util.*;\npublic final class Final{}"), "Final.java");
    EXPECT_EQ(ProposedJavaFileName("public abstract class Shape extends Object {}"), "Shape.java");
    EXPECT_EQ(ProposedJavaFileName("public interface Runner { void run(); }"), "Runner.java");
    EXPECT_EQ(ProposedJavaFileName("public enum Colour { RED }"), "Colour.java");
    EXPECT_EQ(ProposedJavaFileName("public record Point(int x, int y) {}"), "Point.java");
    EXPECT_EQ(ProposedJavaFileName("public sealed interface S permits A {}"), "S.java");
    EXPECT_EQ(ProposedJavaFileName("public non-sealed class Open extends S {}"), "Open.java");
    EXPECT_EQ(ProposedJavaFileName("public @interface Marker {}"), "Marker.java");
    EXPECT_EQ(ProposedJavaFileName("public\r\n  class\tSplit\r\n{}"), "Split.java");
    // Package-private types before it are passed over.
    EXPECT_EQ(
        ProposedJavaFileName("class Helper { public class Inner {} }\npublic class Main {}\npublic class Late {}"),
        "Main.java");

    EXPECT_EQ(ProposedJavaFileName("// public class Comment\n/* public class Block */ public class Real {}"),
              "Real.java");
    EXPECT_EQ(ProposedJavaFileName("class A { String s = \"public class Quoted\"; char c = '{'; }\npublic class B {}"),
              "B.java");
    EXPECT_EQ(ProposedJavaFileName("class T { String s = \"\"\"\n  public class Block {\n\"\"\"; }\npublic enum E {}"),
              "E.java");
    EXPECT_EQ(ProposedJavaFileName("class A { public static void main(String[] a) {} }"), "");
    EXPECT_EQ(ProposedJavaFileName("public static void main() {}"), "");
    EXPECT_EQ(ProposedJavaFileName("public = class X"), "");
    EXPECT_EQ(ProposedJavaFileName("/* public class Open"), "");
    EXPECT_EQ(ProposedJavaFileName(""), "");
    EXPECT_EQ(ProposedJavaFileName("public class"), "");
}
