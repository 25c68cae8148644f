import java.util.List;

public class Symbols {
    public static void main(String[] args) {
        String text = 42;
        System.out.println(missing + text);
        helper("one");
        List<String> names = List.of("a");
        names.sizes();
    }

    static void helper(int value) {
        undefinedCall(value);
    }
}
