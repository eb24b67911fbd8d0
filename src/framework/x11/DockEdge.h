#pragma once

// The screen edge a docked window keeps for itself.
enum class DockEdge { Left, Top, Right, Bottom };
