// The resource-script reader of the resource tests, so these tests read the real texts.
#include "../resources/rc_reader.cpp"
