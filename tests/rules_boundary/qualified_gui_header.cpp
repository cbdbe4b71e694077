#include <QtGui/QFont>
