#pragma once

#include <string>

// The source texts a new project starts from. Line breaks are single LFs
// here; they become CR LF when written.
class CProjectTemplates {
public:
    static constexpr int kApplicationClassId = 32830;
    static constexpr int kAppletPageId = 32831;
    static constexpr int kAppletClassId = 32832;

    // The class name each text uses until the user's one replaces it.
    static constexpr const char* ApplicationPlaceholder = "MainFrame";
    static constexpr const char* AppletPlaceholder = "MyApplet";
    static constexpr const char* AppletPageName = "Example1.html";

    static constexpr const char* ApplicationClass =
        "import java.awt.*;\nimport java.awt.event.*;\n\npublic class MainFrame extends Frame\n{\n\tpublic MainFrame()\n\t{\n\t\tthis.addWindowListener\t(new WindowAdapter(){\n\t\t\tpublic void windowClosing(WindowEvent e){\n\t\t\t\tdispose();\n\t\t\t\tSystem.exit(0);\n\t\t\t}\n\t\t});\n\t}\n\t\n\tpublic static void main(String args[])\n\t{\n\t\tSystem.out.println(\"Starting App\");\n\t\tMainFrame f = new MainFrame();\n\t\tf.setSize(100,100);\n\t\tf.show();\n\t}\n}";
    static constexpr const char* AppletPage =
        "<HTML>\n\t<HEAD>\n\t\t<TITLE>MyApplet Example1</TITLE>\n\t</HEAD>\n\t<BODY>\n\t\t<H1>MyApplet</H1>\n\t\t<HR>\n\t\t<P>\n\t\t\t<APPLET CODE=\"MyApplet.class\" WIDTH=\"300\" HEIGHT=\"300\">\n\t\t\t</APPLET>\n\t\t</P>\n\t\t<HR>\n\t</BODY>\n</HTML>";
    // The tab after the closing brace belongs to the text.
    static constexpr const char* AppletClass =
        "import java.awt.*;\nimport java.applet.*;\n\npublic class MyApplet extends Applet\n{\n\tpublic void paint(Graphics g)\n\t{\n\t\tg.drawString(\"Hello World\", 20, 20);\n\t}\n}\t";

    // The templates with every placeholder replaced by strClass.
    static std::string MakeApplicationClass(const std::string& strClass);
    static std::string MakeAppletClass(const std::string& strClass);
    static std::string MakeAppletPage(const std::string& strClass);

    // Every occurrence of strFind (non-empty) replaced, case-sensitively.
    static std::string ReplaceAll(const std::string& strText, const std::string& strFind,
                                  const std::string& strReplace);
};
