"""Turns the open game data in ../shared/gamedata into Faunary's own data files."""
