#include "ui/ReviewTree.h"

#include "ui/Ansi.h"
#include "ui/Pictures.h"

ReviewTreeModel::ReviewTreeModel(QObject* parent) : QAbstractItemModel(parent) {
  using pictures::ReviewNode;
  m_icons[0] = QIcon(pictures::review_node(ReviewNode::Group));
  m_icons[1] = QIcon(pictures::review_node(ReviewNode::Project));
  m_icons[2] = QIcon(pictures::review_node(ReviewNode::Action));
  build(ProjectOutline());
}

void ReviewTreeModel::rebuild(const ProjectOutline& outline) {
  beginResetModel();
  build(outline);
  endResetModel();
}

void ReviewTreeModel::build(const ProjectOutline& outline) {
  const std::size_t count =
      2 + outline.projects().size() + outline.step_count() + outline.simple_actions().size();
  // The nodes and the groups' child lists keep their room for the next build.
  std::vector<Node*> group_children[2];
  for (std::size_t g = 0; g < 2 && g < m_nodes.size(); ++g) {
    group_children[g] = std::move(m_nodes[g].children);
    group_children[g].clear();
  }
  m_nodes.clear();
  m_nodes.reserve(count);
  if (m_mapped) {
    m_node_of.clear();
    m_mapped = false;
  }
  Node* projects = add(Kind::Group, nullptr, nullptr);
  Node* simple = add(Kind::Group, nullptr, nullptr);
  projects->children = std::move(group_children[0]);
  simple->children = std::move(group_children[1]);
  projects->children.reserve(outline.projects().size());
  for (std::size_t i = 0; i < outline.projects().size(); ++i) {
    Node* project = add(Kind::Project, outline.projects()[i], projects);
    std::span<Action* const> steps = outline.steps(i);
    project->children.reserve(steps.size());
    for (Action* step : steps) add(Kind::Action, step, project);
  }
  simple->children.reserve(outline.simple_actions().size());
  for (Action* action : outline.simple_actions()) add(Kind::Action, action, simple);
}

ReviewTreeModel::Node* ReviewTreeModel::add(Kind kind, void* record, Node* parent) {
  const int row = static_cast<int>(parent ? parent->children.size() : m_nodes.size());
  Node* n = &m_nodes.emplace_back(Node{kind, record, parent, row, {}});
  if (parent) parent->children.push_back(n);
  return n;
}

ReviewTreeModel::Node* ReviewTreeModel::node_of(const void* record) {
  // Made on the first look-up after a build: a show needs none, a run of removals one.
  if (!m_mapped) {
    m_node_of.reserve(m_nodes.size());
    for (Node& n : m_nodes)
      if (n.record) m_node_of.emplace(n.record, &n);
    m_mapped = true;
  }
  auto found = m_node_of.find(record);
  return found == m_node_of.end() ? nullptr : found->second;
}

void ReviewTreeModel::forget(const void* record) {
  if (!record) {
    rebuild(ProjectOutline());
    return;
  }
  Node* n = node_of(record);
  if (!n) return;
  Node* parent = n->parent;
  beginRemoveRows(createIndex(parent->row, 0, parent), n->row, n->row);
  unmap(n);
  parent->children.erase(parent->children.begin() + n->row);
  for (std::size_t r = static_cast<std::size_t>(n->row); r < parent->children.size(); ++r)
    parent->children[r]->row = static_cast<int>(r);
  endRemoveRows();
}

void ReviewTreeModel::unmap(Node* n) {
  if (m_mapped) m_node_of.erase(n->record);
  n->record = nullptr;  // out of the tree: no look-up finds it any more
  for (Node* child : n->children) unmap(child);
}

QModelIndex ReviewTreeModel::index_of(Kind kind, const void* record) const {
  if (!record) return {};
  for (const Node& n : m_nodes)
    if (n.record == record && n.kind == kind) return createIndex(n.row, 0, const_cast<Node*>(&n));
  return {};
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
