#pragma once

#include <string>

// What the project asks of an open Java source document to show a class,
// a member or a compiler message's line.
class ISourceNavigator {
public:
    virtual ~ISourceNavigator() = default;
    // Position of an outline entry ("Class" or "Class.member(args)"), or -1.
    virtual int FindFunction(const std::string& strEntry) = 0;
    virtual void GoToPosition(int nPosition) = 0;
    // Selects the whole 0-based line.
    virtual void SelectLine(int nLine) = 0;
};
