#include "mainwindow/Fpr.h"
