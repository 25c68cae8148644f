#include "ui/search/FindResultsModel.h"

#include "core/findinfiles/FindResults.h"

#include <algorithm>

CFindResultsModel::CFindResultsModel(const CFindResults& results, QObject* pParent)
    : QAbstractListModel(pParent), m_results(results)
{
}

int CFindResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_nShown);
}

QVariant CFindResultsModel::data(const QModelIndex& index, int nRole) const
{
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= m_nShown)
        return {};
    const auto nRow = static_cast<std::size_t>(index.row());
    if (nRole == Qt::DisplayRole) {
        // A tab would stretch to the list's tab stops, far from the path.
        QString strText = QString::fromStdString(m_results.RowText(nRow));
        return strText.replace('\t', QStringLiteral("    "));
    }
    if (nRole == Qt::FontRole && m_results.Kind(nRow) != CFindResults::ERow::Hit) {
        // File lines and the total stand out from the matches.
        return m_boldFont;
    }
    return {};
}

void CFindResultsModel::ShowUpTo(std::size_t nRows)
{
    nRows = std::min(nRows, m_results.RowCount());
    if (nRows <= m_nShown)
        return;
    beginInsertRows(QModelIndex(), static_cast<int>(m_nShown), static_cast<int>(nRows - 1));
    m_nShown = nRows;
    endInsertRows();
}

void CFindResultsModel::Reset()
{
    beginResetModel();
    m_nShown = 0;
    endResetModel();
}

void CFindResultsModel::SetBaseFont(const QFont& font)
{
    m_boldFont = font;
    m_boldFont.setBold(true);
}
