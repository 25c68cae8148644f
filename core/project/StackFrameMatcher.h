#pragma once

#include <string_view>

class CJavaFileList;

// Finds the project file a stack frame points into. Pure: the frame's class
// and file name and the list are all it sees.
class CStackFrameMatcher {
public:
    // The index of the first Java file (in list order) whose stored path ends
    // with the class's package folders and the file name ("shop/Cart.java"
    // for shop.Cart$Line in Cart.java; either separator), else of the first
    // one with that file name; -1 when none or the name is empty. A class of
    // the default package has no folders to tell its file from others of the
    // name; strRootFolder, when given, is where its file would be (the
    // folder the program ran in).
    static int Match(const CJavaFileList& javaFiles, std::string_view strClass, std::string_view strFileName,
                     std::string_view strRootFolder = {});

    // Whether strPath ends with strTail at a folder boundary, '/' and '\'
    // counting as the same.
    static bool EndsWithPath(std::string_view strPath, std::string_view strTail);
};
