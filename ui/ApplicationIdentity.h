#pragma once

// Names the application to Qt and the desktop: its name, version and desktop entry.
void setApplicationIdentity();
