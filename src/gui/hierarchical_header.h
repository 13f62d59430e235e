// Two-level table header: a header tree (an item model) describes spanning cells over the sections,
// and a proxy model hands the tree to the view through two data roles.
#pragma once
#include <QHeaderView>
#include <QPointer>
#include <QSortFilterProxyModel>

class ProxyModelWithHeaderModels : public QSortFilterProxyModel {
    Q_OBJECT
public:
    enum HeaderDataModelRoles { HorizontalHeaderDataRole = Qt::UserRole, VerticalHeaderDataRole = Qt::UserRole + 1 };

    explicit ProxyModelWithHeaderModels(QObject* parent = nullptr);
    ~ProxyModelWithHeaderModels() override;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    void setHorizontalHeaderModel(QAbstractItemModel* model);
    void setVerticalHeaderModel(QAbstractItemModel* model);

private:
    QPointer<QAbstractItemModel> horizontal_header_model;
    QPointer<QAbstractItemModel> vertical_header_model;
};

class HierarchicalHeaderView : public QHeaderView {
    Q_OBJECT
public:
    HierarchicalHeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~HierarchicalHeaderView() override;

    void setModel(QAbstractItemModel* model) override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;

private slots:
    void on_sectionResized(int logicalIndex);

private:
    struct Private;
    Private* d;

    QStyleOptionHeader sectionStyleOption(int logicalIndex) const;
    QSize cellSize(const QModelIndex& cell, const QStyleOptionHeader& option) const;
    void paintStack(QPainter* painter, const QRect& rect, int logicalIndex, const QModelIndex& leaf,
                    const QStyleOptionHeader& option) const;
};
