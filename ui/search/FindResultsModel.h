#pragma once

#include <QAbstractListModel>
#include <QFont>

class CFindResults;

// The Find Results lines as a list: the first Shown() lines of the results,
// each made into text only when a view asks for it.
class CFindResultsModel : public QAbstractListModel {
    Q_OBJECT
public:
    CFindResultsModel(const CFindResults& results, QObject* pParent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int nRole = Qt::DisplayRole) const override;

    std::size_t Shown() const { return m_nShown; }
    // Shows the results' lines up to nRows (at most all of them).
    void ShowUpTo(std::size_t nRows);
    // The results were cleared.
    void Reset();
    // The view's font: file lines and the total show in its bold form.
    void SetBaseFont(const QFont& font);

private:
    const CFindResults& m_results;
    std::size_t m_nShown = 0;
    QFont m_boldFont;
};
