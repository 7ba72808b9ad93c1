#pragma once
// Makes the About dialog component known to stored descriptions.
void RegisterAboutClasses();
