package util;

public class Other {
    public static int twice(int value) {
        return value * 2
    }
}
