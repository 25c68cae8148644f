#pragma once

class CProjectArchive;

// Base of every project entry (files, classes). Entries write themselves
// to a project archive and read themselves back, field by field.
class CJavaComponent {
public:
    CJavaComponent() = default;
    virtual ~CJavaComponent() = default;

    CJavaComponent(const CJavaComponent&) = delete;
    CJavaComponent& operator=(const CJavaComponent&) = delete;

    // Stores or loads, as the archive says; false when loading failed.
    bool Serialize(CProjectArchive& ar);

    virtual void Store(CProjectArchive& ar) const;
    virtual bool Load(CProjectArchive& ar);
};
