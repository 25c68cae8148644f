#pragma once

#include <string>
#include <vector>

class CJavaProjectCore;

// Whether a run would use classes older than their sources: what Run looks
// at before it builds first. javac writes a source's classes beside it, the
// main one named after the file.
class CStaleClasses {
public:
    // The first project source (list order) that is in vecUnsaved (changed
    // in an editor and not saved), or was written after its class file; the
    // main file also when its class file is missing (a file no build has
    // reached yet is no part of the program). "" when none.
    static std::string FirstStaleSource(CJavaProjectCore& project, const std::vector<std::string>& vecUnsaved);

    // "Hello.class" beside "Hello.java"; "" for a name without ".java".
    static std::string ClassFileOf(const std::string& strSourcePath);
};
