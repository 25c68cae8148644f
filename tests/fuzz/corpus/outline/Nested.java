package demo;

// a { brace in a comment
public class Outer extends Base implements Runnable {
    /* { } */
    private int count;

    public Outer(int n,
                 String name) {
        count = n;
    }

    static class Inner {
        void run() { }
        class Deeper { void hidden() { } }
    }

    interface Listener {
        void fired(int code);
    }

    public void run() {
        if (count > 0) { count--; }
    }
}

class Second
{
    int value() { return 1; }
}
