// Keeps a subsystem library valid while its folder holds only headers.
