public class Broken {
    public static void main(String[] args) {
        int count = 1
        String text = 42;
        System.out.println(missing + count);
        helper("one");
    }

    static void helper(int value) {
        undefinedCall(value);
    }
}
