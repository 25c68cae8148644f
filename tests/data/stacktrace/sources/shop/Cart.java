package shop;

import java.util.ArrayList;
import java.util.List;

public class Cart {
    static class Line {
        final int count;

        Line(String text) {
            try {
                count = Integer.parseInt(text);
            } catch (NumberFormatException e) {
                throw new IllegalArgumentException("bad count " + text, e);
            }
        }
    }

    private static class Till implements AutoCloseable {
        @Override
        public void close() {
            throw new UnsupportedOperationException("till jammed", new java.io.IOException("drawer stuck"));
        }
    }

    private final List<Line> lines = new ArrayList<>();

    public void checkout(String text) {
        try (Till till = new Till()) {
            add(text);
        } catch (IllegalArgumentException e) {
            throw new IllegalStateException("checkout failed", e);
        }
    }

    void add(String text) {
        List.of(text).forEach(t -> lines.add(new Line(t)));
    }

    public static int total(int[] counts) {
        return counts.length;
    }
}
