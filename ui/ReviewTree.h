#pragma once

#include <QAbstractItemModel>
#include <QIcon>
#include <unordered_map>
#include <vector>

#include "stores/ProjectOutline.h"

// The Review page's tree: the group "All Projects" with a node per project and its steps
// beneath it, and the group "All Simple Actions" with the actions of no project. Each node refers
// to its record (the store owns it) and makes its text when the view asks for it, so the tree
// is built in one pass over the outline, in a handful of allocations. A removed record's node
// leaves the tree at once.
class ReviewTreeModel : public QAbstractItemModel {
  Q_OBJECT

 public:
  enum class Kind { Group, Project, Action };

  explicit ReviewTreeModel(QObject* parent);

  // Builds the tree afresh from the outline.
  void rebuild(const ProjectOutline& outline);
  // The node of a record leaves the tree with every node beneath it; none: every node but the
  // two groups.
  void forget(const void* record);

  QModelIndex all_projects() const { return createIndex(0, 0, group(0)); }
  QModelIndex simple_actions() const { return createIndex(1, 0, group(1)); }
  // The node of a record of that kind; invalid when no node holds it.
  QModelIndex index_of(Kind kind, const void* record) const;
  Kind kind(const QModelIndex& index) const;
  void* record(const QModelIndex& index) const;

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  struct Node {
    Kind kind;
    void* record;
    Node* parent;
    int row;
    std::vector<Node*> children;
  };

  Node* group(int row) const { return const_cast<Node*>(&m_nodes[static_cast<std::size_t>(row)]); }
  Node* node(const QModelIndex& index) const { return static_cast<Node*>(index.internalPointer()); }
  Node* add(Kind kind, void* record, Node* parent);
  void build(const ProjectOutline& outline);
  // The node of a record in the tree, or none.
  Node* node_of(const void* record);
  // Takes a node out of the look-ups, with everything beneath it.
  void unmap(Node* node);

  // Every node, the two groups first; reserved whole before a build, so nodes never move. A
  // node taken out of the tree stays here, without its record, until the next build.
  std::vector<Node> m_nodes;
  // The node of each record, made when first needed after a build.
  std::unordered_map<const void*, Node*> m_node_of;
  bool m_mapped = false;
  QIcon m_icons[3];
};
