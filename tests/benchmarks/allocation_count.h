#pragma once
// Memory blocks the process has asked for since it started: malloc is counted in this program,
// which also counts operator new and every Qt container.

long long allocationCount();
