import java.lang.reflect.Method;

import shop.Cart;

public class Main {
    public static void main(String[] args) throws Exception {
        try {
            run();
        } catch (IllegalStateException e) {
            e.printStackTrace();
        }
        Thread worker = new Thread(() -> Cart.total(null), "worker");
        worker.start();
        worker.join();
        Method total = Cart.class.getMethod("total", int[].class);
        total.invoke(null, (Object) null);
    }

    static void run() {
        new Cart().checkout("x");
    }
}
