#pragma once
// Makes the effects controls known to stored descriptions.
void RegisterControlClasses();
