#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;

// The program's pictures, painted in code so that they are sharp at any size and need no
// image files.
namespace pictures {

enum class Nav { Home, Inbox, Process, Review, Actions, Tools, Help, Resources };

QPixmap navigation(Nav which, int size = 48);
// The program's own icon (window and notification area).
QIcon program_icon();
// Paints the program's icon in a square of 48 units; the icons installed for the desktop are
// made from it, so they never differ from the window's.
void draw_program_icon(QPainter& p);
// The pictures of the Tools page's links.
enum class Tool { Options, Contexts, Someday, Reference };
QPixmap tool(Tool which, int size = 40);
// The alarm clock of the Reminders page.
QPixmap alarm(int size = 40);

// The pictures of the Review page's tree nodes: a group, a project, an action.
enum class ReviewNode { Group, Project, Action };
QPixmap review_node(ReviewNode which, int size = 24);

}  // namespace pictures
