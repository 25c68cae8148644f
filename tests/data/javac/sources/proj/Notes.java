import java.util.ArrayList;
import java.util.Date;
import java.util.List;

public class Notes {
    public static void main(String[] args) {
        List raw = new ArrayList();
        raw.add(new Date().getYear());
        System.out.println(raw);
    }
}
