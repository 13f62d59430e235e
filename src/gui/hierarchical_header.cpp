#include "gui/hierarchical_header.h"
#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QItemSelectionModel>

namespace {

// Role on a header cell that marks its text as rotated; on the proxy it is the horizontal tree.
const int kRotatedRole = Qt::UserRole;

int child_count(const QModelIndex& cell)
{
    return cell.model()->columnCount(cell);
}

QModelIndex find_leaf(const QModelIndex& cell, int section, int& counter)
{
    const int n = child_count(cell);
    if (n < 0)
        return QModelIndex();
    if (n == 0) {
        ++counter;
        return counter == section ? cell : QModelIndex();
    }
    for (int i = 0; i < n; ++i) {
        QModelIndex found = find_leaf(cell.model()->index(0, i, cell), section, counter);
        if (found.isValid())
            return found;
    }
    return QModelIndex();
}

QModelIndex leaf_of_section(const QAbstractItemModel* tree, int section)
{
    if (!tree)
        return QModelIndex();
    int counter = -1;
    const int top = tree->columnCount();
    for (int i = 0; i < top; ++i) {
        QModelIndex found = find_leaf(tree->index(0, i), section, counter);
        if (found.isValid())
            return found;
    }
    return QModelIndex();
}

void collect_leaves(const QModelIndex& cell, QModelIndexList& out)
{
    const int n = child_count(cell);
    for (int i = 0; i < n; ++i) {
        QModelIndex child = cell.model()->index(0, i, cell);
        if (child_count(child) == 0)
            out.append(child);
        else if (child_count(child) > 0)
            collect_leaves(child, out);
    }
}

QModelIndexList leaves_under(const QModelIndex& cell)
{
    QModelIndexList out;
    collect_leaves(cell, out);
    return out;
}

QModelIndexList chain_of(const QModelIndex& leaf)
{
    QModelIndexList chain;
    for (QModelIndex i = leaf; i.isValid(); i = i.parent())
        chain.prepend(i);
    return chain;
}

} // namespace

ProxyModelWithHeaderModels::ProxyModelWithHeaderModels(QObject* parent) : QSortFilterProxyModel(parent) {}
ProxyModelWithHeaderModels::~ProxyModelWithHeaderModels() = default;

QVariant ProxyModelWithHeaderModels::data(const QModelIndex& index, int role) const
{
    if (horizontal_header_model && role == HorizontalHeaderDataRole)
        return QVariant::fromValue(static_cast<QObject*>(horizontal_header_model.data()));
    if (vertical_header_model && role == VerticalHeaderDataRole)
        return QVariant::fromValue(static_cast<QObject*>(vertical_header_model.data()));
    return QSortFilterProxyModel::data(index, role);
}

void ProxyModelWithHeaderModels::setHorizontalHeaderModel(QAbstractItemModel* model)
{
    horizontal_header_model = model;
    const int n = model->columnCount();
    if (n > 0)
        emit headerDataChanged(Qt::Horizontal, 0, n - 1);
}

void ProxyModelWithHeaderModels::setVerticalHeaderModel(QAbstractItemModel* model)
{
    vertical_header_model = model;
    const int n = model->rowCount();
    if (n > 0)
        emit headerDataChanged(Qt::Vertical, 0, n - 1);
}

struct HierarchicalHeaderView::Private {
    QPointer<QAbstractItemModel> tree;
};

HierarchicalHeaderView::HierarchicalHeaderView(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent), d(new Private)
{
    connect(this, &QHeaderView::sectionResized, this, &HierarchicalHeaderView::on_sectionResized);
}

HierarchicalHeaderView::~HierarchicalHeaderView()
{
    delete d;
}

void HierarchicalHeaderView::setModel(QAbstractItemModel* model)
{
    d->tree = nullptr;
    const int role = orientation() == Qt::Horizontal ? ProxyModelWithHeaderModels::HorizontalHeaderDataRole
                                                     : ProxyModelWithHeaderModels::VerticalHeaderDataRole;
    const QVariant v = model->data(QModelIndex(), role);
    if (v.isValid())
        d->tree = qobject_cast<QAbstractItemModel*>(v.value<QObject*>());
    QHeaderView::setModel(model);
    const int n = orientation() == Qt::Horizontal ? model->columnCount() : model->rowCount();
    if (n > 0)
        initializeSections(0, n - 1);
}

QStyleOptionHeader HierarchicalHeaderView::sectionStyleOption(int logicalIndex) const
{
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    if (window()->isActiveWindow())
        opt.state |= QStyle::State_Active;
    opt.textAlignment = Qt::AlignCenter;
    opt.iconAlignment = Qt::AlignVCenter;
    opt.section = logicalIndex;
    const int visual = visualIndex(logicalIndex);
    if (count() == 1)
        opt.position = QStyleOptionHeader::OnlyOneSection;
    else if (visual == 0)
        opt.position = QStyleOptionHeader::Beginning;
    else if (visual == count() - 1)
        opt.position = QStyleOptionHeader::End;
    else
        opt.position = QStyleOptionHeader::Middle;

    QItemSelectionModel* sel = selectionModel();
    const bool horizontal = orientation() == Qt::Horizontal;
    if (sectionsClickable() && highlightSections() && sel) {
        if (horizontal) {
            if (sel->columnIntersectsSelection(logicalIndex, rootIndex()))
                opt.state |= QStyle::State_On;
            if (sel->isColumnSelected(logicalIndex, rootIndex()))
                opt.state |= QStyle::State_Sunken;
        } else {
            if (sel->rowIntersectsSelection(logicalIndex, rootIndex()))
                opt.state |= QStyle::State_On;
            if (sel->isRowSelected(logicalIndex, rootIndex()))
                opt.state |= QStyle::State_Sunken;
        }
    }
    if (sel) {
        auto selected = [&](int vis) {
            const int li = QHeaderView::logicalIndex(vis);
            if (li < 0)
                return false;
            return horizontal ? sel->isColumnSelected(li, rootIndex()) : sel->isRowSelected(li, rootIndex());
        };
        const bool previous = visual > 0 && selected(visual - 1);
        const bool next = visual + 1 < count() && selected(visual + 1);
        if (previous && next)
            opt.selectedPosition = QStyleOptionHeader::NextAndPreviousAreSelected;
        else if (previous)
            opt.selectedPosition = QStyleOptionHeader::PreviousIsSelected;
        else if (next)
            opt.selectedPosition = QStyleOptionHeader::NextIsSelected;
        else
            opt.selectedPosition = QStyleOptionHeader::NotAdjacent;
    }
    return opt;
}

QSize HierarchicalHeaderView::cellSize(const QModelIndex& cell, const QStyleOptionHeader& option) const
{
    QSize hint(-1, -1);
    const QVariant hv = cell.data(Qt::SizeHintRole);
    if (hv.isValid() && hv.canConvert<QSize>())
        hint = hv.toSize();
    QFont f = font();
    const QVariant fv = cell.data(Qt::FontRole);
    if (fv.isValid() && fv.canConvert<QFont>())
        f = fv.value<QFont>();
    f.setBold(true);
    const QFontMetrics fm(f);
    QSize text = fm.size(0, cell.data(Qt::DisplayRole).toString());
    if (cell.data(kRotatedRole).isValid())
        text.transpose();
    const QSize deco = style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
    const QSize empty = fm.size(0, QString());
    return QSize(qMax(deco.width() + text.width() - empty.width(), hint.width()),
                 qMax(deco.height() + text.height() - empty.height(), hint.height()));
}

QSize HierarchicalHeaderView::sectionSizeFromContents(int logicalIndex) const
{
    const QModelIndex leaf = leaf_of_section(d->tree, logicalIndex);
    if (!leaf.isValid())
        return QHeaderView::sectionSizeFromContents(logicalIndex);
    const QStyleOptionHeader opt = sectionStyleOption(logicalIndex);
    QSize size = cellSize(leaf, opt);
    for (QModelIndex up = leaf.parent(); up.isValid(); up = up.parent()) {
        const QSize s = cellSize(up, opt);
        if (orientation() == Qt::Horizontal)
            size.rheight() += s.height();
        else
            size.rwidth() += s.width();
    }
    return size;
}

void HierarchicalHeaderView::paintStack(QPainter* painter, const QRect& rect, int logicalIndex,
                                        const QModelIndex& leaf, const QStyleOptionHeader& option) const
{
    const QPointF oldOrigin = painter->brushOrigin();
    const bool horizontal = orientation() == Qt::Horizontal;
    const QModelIndexList chain = chain_of(leaf);
    int top = rect.y();
    int left = rect.x();
    for (int k = 0; k < chain.size(); ++k) {
        const QModelIndex cell = chain.at(k);
        QStyleOptionHeader opt = option;
        if (k < chain.size() - 1)
            opt.state &= ~(QStyle::State_Sunken | QStyle::State_On);
        QStyleOptionHeader cellOpt = opt;
        const QVariant fg = cell.data(Qt::ForegroundRole);
        if (fg.canConvert<QBrush>())
            cellOpt.palette.setBrush(QPalette::ButtonText, fg.value<QBrush>());
        const QVariant bg = cell.data(Qt::BackgroundRole);
        if (bg.canConvert<QBrush>()) {
            cellOpt.palette.setBrush(QPalette::Button, bg.value<QBrush>());
            cellOpt.palette.setBrush(QPalette::Window, bg.value<QBrush>());
        }
        const QModelIndexList leaves = leaves_under(cell);
        const int n = leaves.indexOf(leaf);
        // Across the sections the cell spans its leaves; along the stack it takes its own size, the
        // leaf the rest of the header. A vertical header is the horizontal one with x and y swapped.
        const QSize size = cellSize(cell, cellOpt);
        int& stacked = horizontal ? top : left;
        int depth = horizontal ? size.height() : size.width();
        if (cell == leaf)
            depth = horizontal ? rect.height() - (top - rect.y()) : rect.width() - (left - rect.x());
        int start = horizontal ? rect.left() : rect.top();
        for (int i = logicalIndex - n; i < logicalIndex; ++i)
            start -= sectionSize(i);
        int span = 0;
        if (leaves.isEmpty())
            span = sectionSize(logicalIndex);
        else
            for (int i = 0; i < leaves.size(); ++i)
                span += sectionSize(logicalIndex - n + i);
        const QRect r = horizontal ? QRect(start, stacked, span, depth) : QRect(stacked, start, depth, span);
        stacked += depth;
        cellOpt.text = cell.data(Qt::DisplayRole).toString();
        painter->save();
        cellOpt.rect = r;
        if (cell.data(kRotatedRole).isValid()) {
            style()->drawControl(QStyle::CE_HeaderSection, &cellOpt, painter, this);
            QTransform m;
            m.rotate(-90);
            painter->setWorldTransform(m, true);
            QRect rotated(0, 0, r.height(), r.width());
            rotated.moveCenter(QPoint(-r.center().y(), r.center().x()));
            cellOpt.rect = rotated;
            style()->drawControl(QStyle::CE_HeaderLabel, &cellOpt, painter, this);
        } else {
            style()->drawControl(QStyle::CE_Header, &cellOpt, painter, this);
        }
        painter->restore();
    }
    painter->setBrushOrigin(oldOrigin);
}

void HierarchicalHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    const QModelIndex leaf = rect.isValid() ? leaf_of_section(d->tree, logicalIndex) : QModelIndex();
    if (!leaf.isValid()) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    paintStack(painter, rect, logicalIndex, leaf, sectionStyleOption(logicalIndex));
}

void HierarchicalHeaderView::on_sectionResized(int logicalIndex)
{
    if (isSectionHidden(logicalIndex))
        return;
    const QModelIndex leaf = leaf_of_section(d->tree, logicalIndex);
    if (!leaf.isValid())
        return;
    const QModelIndexList chain = chain_of(leaf);
    const int n = leaves_under(chain.first()).indexOf(leaf);
    QWidget* vp = viewport();
    for (int i = 1; i <= n; ++i) {
        const int s = logicalIndex - i;
        const int p = sectionViewportPosition(s);
        const int w = vp->width();
        const int h = vp->height();
        QRect r;
        if (orientation() == Qt::Horizontal)
            r = isRightToLeft() ? QRect(0, 0, p + sectionSize(s), h) : QRect(p, 0, w - p, h);
        else
            r = QRect(0, p, w, h - p);
        vp->update(r.normalized());
    }
}
