import java.awt.*;
import java.awt.event.*;

public class Hello extends Frame
{
	public Hello()
	{
		this.addWindowListener	(new WindowAdapter(){
			public void windowClosing(WindowEvent e){
				dispose();
				System.exit(0);
			}
		});
	}
	
	public static void main(String args[])
	{
		System.out.println("Starting App");
		Hello f = new Hello();
		f.setSize(100,100);
		f.show();
	}
}