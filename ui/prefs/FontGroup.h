#pragma once

#include <QGroupBox>

#include <string>

class CFontFamilyList;
class QComboBox;
class QLineEdit;

// The "Font" group a font page starts with: a face box and a size box in
// points. A face picked in the box is taken into the values at once; the
// size is checked and taken with the rest of its page.
class CFontGroup : public QGroupBox {
    Q_OBJECT
public:
    // strFaceLabel introduces the face box; the boxes are named strName +
    // "Face" and strName + "Size". strFace is the face in the page's values.
    CFontGroup(const QString& strFaceLabel, const QString& strName, const CFontFamilyList& fonts,
               std::string& strFace, QWidget* pParent);

    QComboBox* FaceCombo() const { return m_pFace; }
    QLineEdit* SizeEdit() const { return m_pSize; }

    // Shows the face in the values and nPoints.
    void LoadControls(int nPoints);

private:
    std::string& m_strFace;
    QComboBox* m_pFace;
    QLineEdit* m_pSize;
};
