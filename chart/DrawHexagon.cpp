// STUB: to be implemented.
