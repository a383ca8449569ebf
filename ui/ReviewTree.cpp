#include "ui/ReviewTree.h"

#include "ui/Ansi.h"
#include "ui/Pictures.h"

ReviewTreeModel::ReviewTreeModel(QObject* parent) : QAbstractItemModel(parent) {
  using pictures::ReviewNode;
  m_icons[0] = QIcon(pictures::review_node(ReviewNode::Group));
  m_icons[1] = QIcon(pictures::review_node(ReviewNode::Project));
  m_icons[2] = QIcon(pictures::review_node(ReviewNode::Action));
  build({});
}

void ReviewTreeModel::rebuild(const ProjectOutline& outline) {
  beginResetModel();
  build(outline);
  endResetModel();
}

void ReviewTreeModel::build(const ProjectOutline& outline) {
  std::size_t count = 2 + outline.projects.size() + outline.simple_actions.size();
  for (const auto& branch : outline.projects) count += branch.steps.size();
  m_nodes.clear();
  m_nodes.reserve(count);
  m_node_of.clear();
  m_node_of.reserve(count);
  Node* projects = add(Kind::Group, nullptr, nullptr);
  Node* simple = add(Kind::Group, nullptr, nullptr);
  projects->children.reserve(outline.projects.size());
  for (const auto& branch : outline.projects) {
    Node* project = add(Kind::Project, branch.project, projects);
    project->children.reserve(branch.steps.size());
    for (Action* step : branch.steps) add(Kind::Action, step, project);
  }
  simple->children.reserve(outline.simple_actions.size());
  for (Action* action : outline.simple_actions) add(Kind::Action, action, simple);
}

ReviewTreeModel::Node* ReviewTreeModel::add(Kind kind, void* record, Node* parent) {
  const int row =
      parent ? static_cast<int>(parent->children.size()) : static_cast<int>(m_nodes.size());
  Node* n = &m_nodes.emplace_back(Node{kind, record, parent, row, {}});
  if (parent) parent->children.push_back(n);
  if (record) m_node_of.emplace(record, n);
  return n;
}

void ReviewTreeModel::forget(const void* record) {
  if (!record) {
    rebuild({});
    return;
  }
  auto found = m_node_of.find(record);
  if (found == m_node_of.end()) return;
  Node* n = found->second;
  Node* parent = n->parent;
  beginRemoveRows(createIndex(parent->row, 0, parent), n->row, n->row);
  unmap(n);
  parent->children.erase(parent->children.begin() + n->row);
  for (std::size_t r = static_cast<std::size_t>(n->row); r < parent->children.size(); ++r)
    parent->children[r]->row = static_cast<int>(r);
  endRemoveRows();
}

void ReviewTreeModel::unmap(const Node* n) {
  m_node_of.erase(n->record);
  for (const Node* child : n->children) unmap(child);
}

QModelIndex ReviewTreeModel::index_of(Kind kind, const void* record) const {
  auto found = record ? m_node_of.find(record) : m_node_of.end();
  if (found == m_node_of.end() || found->second->kind != kind) return {};
  return createIndex(found->second->row, 0, found->second);
}

ReviewTreeModel::Kind ReviewTreeModel::kind(const QModelIndex& index) const {
  return index.isValid() ? node(index)->kind : Kind::Group;
}

void* ReviewTreeModel::record(const QModelIndex& index) const {
  return index.isValid() ? node(index)->record : nullptr;
}

QModelIndex ReviewTreeModel::index(int row, int column, const QModelIndex& parent) const {
  if (column != 0 || row < 0) return {};
  if (!parent.isValid()) return row < 2 ? createIndex(row, 0, group(row)) : QModelIndex();
  const Node* p = node(parent);
  if (row >= static_cast<int>(p->children.size())) return {};
  return createIndex(row, 0, p->children[static_cast<std::size_t>(row)]);
}

QModelIndex ReviewTreeModel::parent(const QModelIndex& child) const {
  const Node* n = child.isValid() ? node(child) : nullptr;
  if (!n || !n->parent) return {};
  return createIndex(n->parent->row, 0, n->parent);
}

int ReviewTreeModel::rowCount(const QModelIndex& parent) const {
  if (!parent.isValid()) return 2;
  return parent.column() == 0 ? static_cast<int>(node(parent)->children.size()) : 0;
}

int ReviewTreeModel::columnCount(const QModelIndex&) const {
  return 1;
}

QVariant ReviewTreeModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const Node* n = node(index);
  switch (role) {
    case Qt::DisplayRole:
      switch (n->kind) {
        case Kind::Group:
          return n->row == 0 ? QStringLiteral("All Projects")
                             : QStringLiteral("All Simple Actions");
        case Kind::Project:
          return from_ansi(static_cast<const Project*>(n->record)->name.view());
        case Kind::Action:
          return from_ansi(static_cast<const Action*>(n->record)->name.view());
      }
      return {};
    case Qt::DecorationRole:
      return m_icons[static_cast<int>(n->kind)];
    default:
      return {};
  }
}
