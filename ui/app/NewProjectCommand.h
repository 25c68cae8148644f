#pragma once

class CTarnwickApp;

// New Project: closes the open project (after asking), asks for the main
// class and the kind of project, makes a new project and, for applications
// and applets, asks where to save it and writes its sources beside it.
void RunNewProject(CTarnwickApp& app);
