#pragma once
// Makes the browse edit known to stored descriptions.
void RegisterBrowseClasses();
