public class Tabs {
	public static void main(String[] args) {
		int	value = "text";
	 	System.out.println(valu);
	}
}
