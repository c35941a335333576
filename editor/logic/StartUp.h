#pragma once
#include <string>

struct App;

// Start-up sequence. commandLine: the program's one argument ("" for none);
// Linux passes it unquoted, so it is taken as if it were quoted.
void Form_Load(App& a, const std::string& commandLine);
