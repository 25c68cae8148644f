#pragma once

#include "core/project/JavaClassList.h"
#include "core/project/JavaComponent.h"
#include "core/project/MemberList.h"

#include <string>
#include <string_view>

// One class or interface: its name, its member texts (such as
// "main(String args[])") and the classes declared inside it.
class CJavaClass : public CJavaComponent {
public:
    CJavaClass() = default;

    void SetName(const std::string& strName) { m_strName = strName; }
    std::string GetName() const { return m_strName; }

    // Appends without a duplicate test; callers ask HasMember first.
    void AddMember(std::string_view strMember);
    bool HasMember(std::string_view strMember) const;
    const CMemberList& GetMembers() const { return m_members; }

    CJavaClassList& GetNestedClasses() { return m_nestedClasses; }
    const CJavaClassList& GetNestedClasses() const { return m_nestedClasses; }
    bool HasNestedClass(const std::string& strName) const;
    CJavaClass* FindNestedClass(const std::string& strName) const;

    // Members, then nested classes, then the name: the name comes last.
    void Store(CProjectArchive& ar) const override;
    bool Load(CProjectArchive& ar) override;

private:
    CMemberList m_members;
    std::string m_strName;
    CJavaClassList m_nestedClasses;
};
