// The command-line form: the program sees the environment it was started with, and says
// its own name in its messages, as the native program does.
Module.thisProgram = "zephtor";
Module.preRun = (Module.preRun || []).concat(() => Object.assign(ENV, process.env));
