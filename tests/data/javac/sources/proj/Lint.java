import java.util.ArrayList;
import java.util.List;

public class Lint implements java.io.Serializable {
    @SuppressWarnings("unused")
    private int kept;

    public static void main(String[] args) {
        List raw = new ArrayList();
        raw.add("x");
        switch (args.length) {
        case 0:
            System.out.println("none");
        case 1:
            System.out.println("one");
            break;
        default:
            break;
        }
        Integer boxed = new Integer(3);
        System.out.println((String) "cast" + boxed);
    }
}
