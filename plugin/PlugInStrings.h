// The plug-in's string tables: English, Polish and Japanese texts of its
// string keys.
#pragma once

void RegisterBriskoStringTables();
