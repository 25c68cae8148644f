/* open comment
 * still open
int x; */ public class A {
  String s = "a \"quoted\" // not a comment";
  // line comment with "quote
  /*/ odd */ char c = '"';
  String t = "unterminated
}
