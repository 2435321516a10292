// The busy cursor over the whole program for as long as a BusyCursor lives:
// the button's handler waits while a conversion runs on its worker thread
// (background_conversion.h) and starts nothing else meanwhile; the progress
// window opens after half a second.
#pragma once

#include <QGuiApplication>

class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};
