# common scoring 

import host
import orv
import math

from orv.stats.constants import *
from orv import g_debug

SCORE_KILL = 1
SCORE_TEAMKILL = -3
SCORE_SUICIDE = -2
SCORE_REVIVE = 1
SCORE_HEAL = 1
SCORE_RESUPPLY = 1
SCORE_REPAIR = 1
SCORE_STRATEGIC = 1
SCORE_CAPTURE = 2
SCORE_CAPTUREASSIST = 1
SCORE_NEUTRALIZE = 2
SCORE_NEUTRALIZEASSIST = 1
SCORE_DEFEND = 1
SCORE_DEFENDASSIST = 1
SCORE_DESTROYVEHICLE = 2
SCORE_DESTROYSTATIC = 1
SCORE_DAMAGEASSIST = 1
SCORE_DRIVERASSIST = 1
SCORE_PASSENGERASSIST = 1
SCORE_TEAMDAMAGE = -2
SCORE_TEAMVEHICLEDAMAGE = -1
SCORE_KILLSTREAK = 2
SCORE_LONGKILL = 1
SCORE_ROADKILL = 1
SCORE_SPAWNKILL = -1
SCORE_COMMANDERKILL = 2
SCORE_SQUADBONUS = 1
SCORE_SQUADLEADERBONUS = 2
SCORE_COMMANDERBONUS = 1
SCORE_ROUNDWIN = 10

# points a player must collect before a support action scores
REPAIR_POINT_LIMIT = 100
HEAL_POINT_LIMIT = 100
GIVEAMMO_POINT_LIMIT = 100
TEAMDAMAGE_POINT_LIMIT = 50
TEAMVEHICLEDAMAGE_POINT_LIMIT = 50

# times, in seconds
REVIVE_TIME_LIMIT = 15.0
DAMAGE_ASSIST_TIME = 10.0
DEFEND_TIME_LIMIT = 30.0
SPAWN_PROTECTION_TIME = 3.0
KILLSTREAK_TIME = 60.0
DRIVER_ASSIST_TIME = 5.0
ROUND_MIN_TIME = 120.0
SCORE_MESSAGE_DELAY = 0.5

# distances, in metres
CAPTURE_DISTANCE = 40.0
DEFEND_DISTANCE = 30.0
SQUAD_BONUS_DISTANCE = 50.0
LONG_KILL_DISTANCE = 150.0
SPAWN_KILL_DISTANCE = 20.0
ASSIST_DISTANCE = 100.0

# other limits
DAMAGE_ASSIST_LIMIT = 25.0
KILLSTREAK_COUNT = 5
MAX_ASSISTS = 3
MAX_TEAMKILLS = 3
MAX_SCORE = 99999
MIN_SCORE = -999
LOW_TICKETS = 20
TICKETS_PER_DEATH = 1
MIN_PLAYERS = 2

# sub-score kinds
NORMAL = 0
SKILL = 1
RPL = 2
CMDR = 3
SQUADLEADER = 4
SQUADMEMBER = 5

# vehicle kinds
VEHICLE_NONE = 0
VEHICLE_LIGHT = 1
VEHICLE_ARMOUR = 2
VEHICLE_AIR = 3
VEHICLE_SEA = 4
VEHICLE_STATIC = 5
VEHICLE_SCORE = {VEHICLE_LIGHT: 1, VEHICLE_ARMOUR: 3, VEHICLE_AIR: 3, VEHICLE_SEA: 2, VEHICLE_STATIC: 1}


# The game calls init() once when the scoring module is loaded.
# It hooks every scoring handler of this module into the host,
# so that the events of a round reach the functions below.
def init():
	"""Registers the scoring handlers with the game host."""
	host.registerHandler('PlayerConnect', onPlayerConnect, 1)
	host.registerHandler('PlayerDisconnect', onPlayerDisconnect, 1)
	host.registerHandler('PlayerSpawn', onPlayerSpawn, 1)
	host.registerHandler('PlayerKilled', onPlayerKilled)
	host.registerHandler('PlayerDeath', onPlayerDeath)
	host.registerHandler('PlayerDamage', onPlayerDamage)
	host.registerHandler('PlayerRevived', onPlayerRevived)
	host.registerHandler('PlayerHealPoint', onPlayerHealPoint)
	host.registerHandler('PlayerRepairPoint', onPlayerRepairPoint)
	host.registerHandler('PlayerGiveAmmoPoint', onPlayerGiveAmmoPoint)
	host.registerHandler('PlayerTeamDamagePoint', onPlayerTeamDamagePoint)
	host.registerHandler('VehicleDamage', onVehicleDamage)
	host.registerHandler('VehicleDestroyed', onVehicleDestroyed)
	host.registerHandler('EnterVehicle', onEnterVehicle)
	host.registerHandler('ExitVehicle', onExitVehicle)
	host.registerHandler('ControlPointChangedOwner', onCPStatusChange)
	host.registerHandler('PlayerChangeTeams', onPlayerChangeTeams)
	host.registerHandler('PlayerChangedSquad', onPlayerChangedSquad)
	host.registerGameStatusHandler(onGameStatusChanged)
	# players already on the server when the module is reloaded
	for player in orv.playerManager.getPlayers():
		onPlayerConnect(player)
	if g_debug:
		print("scoringCommon: handlers registered (%s)" % date())


# The game status moves from PreGame to Playing to EndGame;
# the scoring of a round starts and stops with these changes.
def onGameStatusChanged(status):
	"""Starts and ends the scoring of a round with the game status."""
	if status == orv.GameStatus.Playing:
		onRoundStart()
	elif status == orv.GameStatus.EndGame:
		onRoundEnd()
	elif status == orv.GameStatus.PreGame:
		# a new map is loading: forget everything of the last round
		for player in orv.playerManager.getPlayers():
			resetPlayerStats(player)
	elif g_debug:
		print("scoringCommon: unknown game status %d" % status)


# A fresh round: every player starts again with empty counters,
# and the start time is kept to tell a real round from a restart.
def onRoundStart():
	"""Clears the round statistics of every player in the game."""
	for player in orv.playerManager.getPlayers():
		resetPlayerStats(player)
	orv.gameLogic.roundStartTime = host.timer_getWallTime()
	# tickets are set by the map; the scoring only counts them down
	for team in (1, 2):
		orv.gameLogic.setTickets(team, orv.gameLogic.getStartTickets(team))
	if g_debug:
		print("scoringCommon: round started")


# At the end of a round the winning side earns its round bonus.
# Rounds shorter than ROUND_MIN_TIME and nearly empty servers
# give no bonus, so that restarts cannot be used to farm points.
def onRoundEnd():
	"""Hands out the end of round bonuses."""
	winner = orv.gameLogic.getWinner()
	roundTime = host.timer_getWallTime() - orv.gameLogic.roundStartTime
	if roundTime < ROUND_MIN_TIME:
		# a round this short is a restart, not a victory
		return
	if len(orv.playerManager.getPlayers()) < MIN_PLAYERS:
		return
	for player in orv.playerManager.getPlayers():
		if player.getTeam() == winner and player.isValid():
			addScore(player, SCORE_ROUNDWIN, NORMAL)
	best = findBestPlayer(winner)
	if best:
		sendScoreMessage(best, "Most valuable soldier of the round")
	# the losing side keeps its points but earns no bonus
	loser = 3 - winner
	if g_debug:
		print("scoringCommon: team %d won over team %d after %d seconds" % (winner, loser, int(roundTime)))


# The per round counters live on the player object itself.
# They are cleared at round start, on joining and on map change.
def resetPlayerStats(player):
	"""Sets the per round counters of one player back to zero."""
	player.score.healPoints = 0
	player.score.repairPoints = 0
	player.score.ammoPoints = 0
	player.score.teamDamagePoints = 0
	player.score.teamVehicleDamagePoints = 0
	player.score.killStreak = 0
	player.score.killStreakStart = 0.0
	player.score.teamKills = 0
	player.lastSpawnTime = 0.0
	player.lastDriver = None
	player.lastExitTime = 0.0
	clearDamageAssists(player)


# A player who joins gets the score fields that the handlers use.
# The totals of the sub-scores start at zero for every new player.
def onPlayerConnect(player):
	"""Prepares the score fields of a player who joins the server."""
	resetPlayerStats(player)
	player.score.rplScore = 0
	player.score.skillScore = 0
	player.score.cmdScore = 0
	player.score.squadScore = 0
	player.timeOfDeath = 0.0
	player.lastSpawnPos = (0.0, 0.0, 0.0)
	if g_debug:
		print("scoringCommon: player %s connected" % player.getName())


# A player who leaves must not earn assists any more, so his
# entries are taken out of the assist lists of all other players.
def onPlayerDisconnect(player):
	"""Takes a leaving player out of every assist list."""
	for other in orv.playerManager.getPlayers():
		if other != player and player.index in other.damageAssists:
			del other.damageAssists[player.index]
	if g_debug:
		print("scoringCommon: player %s left" % player.getName())


# The spawn time and place are kept to detect spawn kills and to
# keep fresh soldiers out of the defend bonus for a short time.
def onPlayerSpawn(player, soldier):
	"""Remembers when and where a player came into the round."""
	player.lastSpawnTime = host.timer_getWallTime()
	player.lastSpawnPos = soldier.getPosition()
	clearDamageAssists(player)


# Changing sides ends the kill streak and forgets the assists.
def onPlayerChangeTeams(player, humanHasSpawned):
	"""A team change ends the running kill streak and the assists."""
	player.score.killStreak = 0
	clearDamageAssists(player)


# Squad changes need no scoring of their own.
def onPlayerChangedSquad(player, oldSquadID, newSquadID):
	"""Logs squad changes when debugging is on."""
	if g_debug:
		print("scoringCommon: %s left squad %d for %d" % (player.getName(), oldSquadID, newSquadID))


# Every score of this module goes through addScore(), which keeps
# the total inside its limits and adds the points to a sub-score.
# The sub-score kinds are NORMAL, SKILL, RPL, CMDR, SQUADLEADER and
# SQUADMEMBER; squad points also count as team work points (RPL).
def addScore(player, points, subScore=NORMAL):
	"""Adds points to a player and to the matching sub-score."""
	if not player or not player.isValid() or points == 0:
		return
	player.score.score = clampScore(player.score.score + points)
	# the team total on the scoreboard follows the player totals
	orv.gameLogic.addTeamScore(player.getTeam(), points)
	if subScore == SKILL:
		player.score.skillScore += points
	elif subScore == RPL:
		player.score.rplScore += points
	elif subScore == CMDR:
		player.score.cmdScore += points
	elif subScore == SQUADLEADER or subScore == SQUADMEMBER:
		player.score.rplScore += points
		player.score.squadScore += points
	if g_debug:
		print("scoringCommon: %s gets %d (kind %d)" % (player.getName(), points, subScore))


# The scoreboard shows five digits; scores are kept inside the range.
def clampScore(value):
	"""Keeps a score inside the range the scoreboard can show."""
	if value > MAX_SCORE:
		return MAX_SCORE
	if value < MIN_SCORE:
		return MIN_SCORE
	return value


# Helper: do two players fight for the same side?
def sameTeam(a, b):
	"""True when both players fight for the same side."""
	if not a or not b:
		return False
	return a.getTeam() == b.getTeam()


# Helper: positions are (x, y, z) tuples in metres.
def getDistance(posA, posB):
	"""Straight distance in metres between two positions."""
	dx = posA[0] - posB[0]
	dy = posA[1] - posB[1]
	dz = posA[2] - posB[2]
	return math.sqrt(dx * dx + dy * dy + dz * dz)


# Helper: the vehicle type of the object template decides the kind,
# and the kind decides the score for destroying the vehicle.
def getVehicleKind(vehicle):
	"""Sorts a vehicle into one of the vehicle kinds defined at the top."""
	if not vehicle:
		return VEHICLE_NONE
	kind = orv.objectManager.getVehicleType(vehicle.templateName)
	if kind == orv.VehicleType.Jeep or kind == orv.VehicleType.Transport:
		return VEHICLE_LIGHT
	if kind == orv.VehicleType.Tank or kind == orv.VehicleType.APC:
		return VEHICLE_ARMOUR
	if kind == orv.VehicleType.Helicopter or kind == orv.VehicleType.Plane:
		return VEHICLE_AIR
	if kind == orv.VehicleType.Boat:
		return VEHICLE_SEA
	if kind == orv.VehicleType.Static:
		return VEHICLE_STATIC
	return VEHICLE_NONE


# Helper: the driver is the occupant who sits in the first seat.
def getDriver(vehicle):
	"""Returns the player in the driver seat of a vehicle, or None when empty."""
	if not vehicle:
		return None
	occupants = vehicle.getOccupyingPlayers()
	for player in occupants:
		if player.getVehicle() == vehicle and player.isDriver():
			return player
	return None


# The main kill handler. The game passes the victim, the attacker
# (None for deaths without a cause), the weapon, the players that
# helped and the soldier object of the victim. A kill is scored as
# a suicide, a team kill or an enemy kill, in this order of tests.
def onPlayerKilled(victim, attacker, weapon, assists, victimSoldier):
	"""Called by the game for every death of a soldier."""
	if not victim:
		return
	victim.score.deaths += 1
	victim.score.killStreak = 0
	victim.timeOfDeath = host.timer_getWallTime()
	if not attacker or attacker == victim:
		giveSuicidePenalty(victim)
	elif sameTeam(attacker, victim):
		giveTeamKillPenalty(attacker, victim)
	else:
		giveKillScore(attacker, victim, weapon, victimSoldier)
		giveDamageAssists(victim, attacker)
		if attacker.getVehicle():
			giveDriverAssist(attacker.getVehicle(), attacker)
	clearDamageAssists(victim)
	updateTickets(victim)


# Called for every death, also for those without an attacker.
def onPlayerDeath(player, soldier):
	"""A death that no one caused, such as a fall or drowning."""
	if not player:
		return
	player.score.killStreak = 0
	player.timeOfDeath = host.timer_getWallTime()
	clearDamageAssists(player)


# An enemy kill scores SCORE_KILL, plus the bonus for the enemy
# commander, a road kill or a long range kill, and a penalty for
# killing an enemy who has only just spawned.
def giveKillScore(attacker, victim, weapon, victimSoldier):
	"""Scores an enemy kill, with the bonuses and penalties it may carry."""
	attacker.score.kills += 1
	addScore(attacker, SCORE_KILL, SKILL)
	if victim.isCommander():
		addScore(attacker, SCORE_COMMANDERKILL, SKILL)
	if weapon and weapon.templateName and attacker.getVehicle():
		if attacker.isDriver() and getVehicleKind(attacker.getVehicle()) == VEHICLE_LIGHT:
			# run over with a light vehicle
			addScore(attacker, SCORE_ROADKILL, SKILL)
	if victimSoldier:
		checkLongKill(attacker, victimSoldier)
		if isSpawnKill(victim, victimSoldier):
			addScore(attacker, SCORE_SPAWNKILL, SKILL)
	checkKillStreak(attacker)
	sendScoreMessage(attacker, "Enemy killed: %s" % victim.getName())


# A team kill costs SCORE_TEAMKILL points. After MAX_TEAMKILLS in
# one round the player is named to everyone and reported.
def giveTeamKillPenalty(attacker, victim):
	"""Punishes a kill of a soldier of one's own side."""
	attacker.score.teamKills += 1
	addScore(attacker, SCORE_TEAMKILL, NORMAL)
	attacker.score.killStreak = 0
	sendScoreMessage(attacker, "Team kill: %s" % victim.getName())
	# the victim may punish the team killer from the spawn screen;
	# the punishment itself is handled by the game, not here
	victim.lastTeamKiller = attacker.index
	if attacker.score.teamKills >= MAX_TEAMKILLS:
		# too many team kills in one round: the server may kick
		host.rcon_invoke('game.sayAll "%s has killed too many team mates"' % attacker.getName())
		orv.gameLogic.reportTeamKiller(attacker)


# A suicide costs SCORE_SUICIDE points and counts as a death.
def giveSuicidePenalty(player):
	"""Scores a suicide, and forgets the assists on that death."""
	player.score.suicides += 1
	addScore(player, SCORE_SUICIDE, NORMAL)
	clearDamageAssists(player)


# KILLSTREAK_COUNT kills within KILLSTREAK_TIME seconds give a bonus;
# after the bonus the count starts again from zero.
def checkKillStreak(player):
	"""Gives a bonus for a number of kills in a short time."""
	now = host.timer_getWallTime()
	if player.score.killStreak == 0 or now - player.score.killStreakStart > KILLSTREAK_TIME:
		player.score.killStreak = 0
		player.score.killStreakStart = now
	player.score.killStreak += 1
	if player.score.killStreak == KILLSTREAK_COUNT:
		addScore(player, SCORE_KILLSTREAK, SKILL)
		sendScoreMessage(player, "Kill streak: %d kills" % KILLSTREAK_COUNT)
		player.score.killStreak = 0


# A kill over LONG_KILL_DISTANCE metres or more gives a bonus.
def checkLongKill(attacker, victimSoldier):
	"""Gives a bonus for a kill over a long distance."""
	attackerSoldier = attacker.getDefaultVehicle()
	if not attackerSoldier:
		return
	distance = getDistance(attackerSoldier.getPosition(), victimSoldier.getPosition())
	if distance >= LONG_KILL_DISTANCE:
		addScore(attacker, SCORE_LONGKILL, SKILL)
		sendScoreMessage(attacker, "Long range kill: %d m" % int(distance))


# A kill within SPAWN_PROTECTION_TIME seconds of the victim's spawn,
# close to the spawn point, counts as a spawn kill.
def isSpawnKill(victim, victimSoldier):
	"""True when the victim was killed right after spawning."""
	if victim.lastSpawnTime <= 0.0:
		return False
	# soldiers who spawned on a squad leader are not protected
	if victim.spawnedOnSquadLeader:
		return False
	if host.timer_getWallTime() - victim.lastSpawnTime > SPAWN_PROTECTION_TIME:
		return False
	distance = getDistance(victim.lastSpawnPos, victimSoldier.getPosition())
	return distance < SPAWN_KILL_DISTANCE


# Every hit on an enemy soldier is written into the victim's assist
# list, so that the helpers can share the kill later.
def onPlayerDamage(victim, attacker, damage):
	"""Counts the damage done to enemy soldiers for the damage assists."""
	if not victim or not attacker or attacker == victim:
		return
	if sameTeam(victim, attacker):
		return
	addDamageAssist(victim, attacker, damage)


# An assist entry is [damage, time of the last hit]; damage older
# than DAMAGE_ASSIST_TIME seconds is forgotten and starts anew.
def addDamageAssist(victim, attacker, damage):
	"""Adds damage of one attacker to the victim's assist list."""
	now = host.timer_getWallTime()
	if damage <= 0:
		return
	entry = victim.damageAssists.get(attacker.index)
	if entry is None or now - entry[1] > DAMAGE_ASSIST_TIME:
		victim.damageAssists[attacker.index] = [damage, now]
	else:
		entry[0] += damage
		entry[1] = now


# When the victim dies, up to MAX_ASSISTS helpers who did at least
# DAMAGE_ASSIST_LIMIT damage, recently enough, earn an assist.
def giveDamageAssists(victim, killer):
	"""Gives assist points to those who hurt the victim enough."""
	now = host.timer_getWallTime()
	given = 0
	# the order of the entries does not matter: every helper who did
	# enough damage counts the same, up to the limit of assists
	for index, entry in victim.damageAssists.items():
		if given >= MAX_ASSISTS:
			break
		if index == killer.index:
			continue
		if entry[0] < DAMAGE_ASSIST_LIMIT or now - entry[1] > DAMAGE_ASSIST_TIME:
			continue
		helper = orv.playerManager.getPlayerByIndex(index)
		if helper and helper.isValid() and not sameTeam(helper, victim):
			helper.score.damageAssists += 1
			addScore(helper, SCORE_DAMAGEASSIST, SKILL)
			given += 1


# Helper: empties the assist list after a death or a spawn.
def clearDamageAssists(player):
	"""Empties the assist list of a player, after a death or a spawn."""
	player.damageAssists = {}


# A medic who brings a fallen team mate back within REVIVE_TIME_LIMIT
# seconds earns SCORE_REVIVE team work points.
def onPlayerRevived(revivee, medic):
	"""Scores a revive, if the medic came in time."""
	if not medic or not revivee or not sameTeam(medic, revivee):
		return
	deadTime = host.timer_getWallTime() - revivee.timeOfDeath
	if deadTime > REVIVE_TIME_LIMIT:
		return
	# a player may not revive the same soldier twice in a row
	if revivee.lastReviver == medic.index and deadTime < REVIVE_TIME_LIMIT / 3:
		return
	revivee.lastReviver = medic.index
	medic.score.revives += 1
	addScore(medic, SCORE_REVIVE, RPL)
	giveSquadBonus(medic, revivee)
	sendScoreMessage(medic, "Revived %s" % revivee.getName())


# Healing gives one heal point per step; HEAL_POINT_LIMIT points
# make one heal of SCORE_HEAL team work points.
def onPlayerHealPoint(medic, receiver):
	"""Heal points add up; every full limit gives a score."""
	if not medic or medic == receiver:
		return
	medic.score.healPoints += 1
	if medic.score.healPoints >= HEAL_POINT_LIMIT:
		medic.score.healPoints = 0
		medic.score.heals += 1
		addScore(medic, SCORE_HEAL, RPL)
		giveSquadBonus(medic, receiver)


# Repairs work the same way, with REPAIR_POINT_LIMIT and SCORE_REPAIR.
def onPlayerRepairPoint(engineer, vehicle):
	"""Repair points add up; every full limit gives a score."""
	if not engineer or not vehicle:
		return
	engineer.score.repairPoints += 1
	if engineer.score.repairPoints >= REPAIR_POINT_LIMIT:
		engineer.score.repairPoints = 0
		engineer.score.repairs += 1
		addScore(engineer, SCORE_REPAIR, RPL)
		driver = getDriver(vehicle)
		if driver and driver != engineer:
			giveSquadBonus(engineer, driver)


# Handing out ammunition gives points up to GIVEAMMO_POINT_LIMIT,
# then one resupply of SCORE_RESUPPLY team work points.
def onPlayerGiveAmmoPoint(supporter, receiver):
	"""Ammunition points add up; every full limit gives a score."""
	if not supporter or supporter == receiver:
		return
	supporter.score.ammoPoints += 1
	if supporter.score.ammoPoints >= GIVEAMMO_POINT_LIMIT:
		supporter.score.ammoPoints = 0
		supporter.score.ammos += 1
		addScore(supporter, SCORE_RESUPPLY, RPL)
		giveSquadBonus(supporter, receiver)


# Damage to team mates and their vehicles is counted apart;
# each full limit costs the matching penalty.
def onPlayerTeamDamagePoint(player, victim):
	"""Damage to team mates adds up to a penalty."""
	if not player or not victim:
		return
	# a soldier counts as a vehicle of his own in the game, so a real
	# vehicle is one that is not the soldier of the victim
	if victim.getVehicle() and not victim.getVehicle().isSoldier():
		player.score.teamVehicleDamagePoints += 1
		if player.score.teamVehicleDamagePoints >= TEAMVEHICLEDAMAGE_POINT_LIMIT:
			player.score.teamVehicleDamagePoints = 0
			addScore(player, SCORE_TEAMVEHICLEDAMAGE, NORMAL)
	else:
		player.score.teamDamagePoints += 1
		if player.score.teamDamagePoints >= TEAMDAMAGE_POINT_LIMIT:
			player.score.teamDamagePoints = 0
			player.score.teamDamages += 1
			addScore(player, SCORE_TEAMDAMAGE, NORMAL)


# Hits on an enemy vehicle count for the assist lists of its crew.
def onVehicleDamage(vehicle, attacker, damage):
	"""Damage to an enemy vehicle counts as damage to its crew."""
	if not vehicle or not attacker:
		return
	# every member of the crew shares the damage done to the vehicle,
	# so a gunner who hits a tank can still earn the assist for its crew
	for player in vehicle.getOccupyingPlayers():
		if not sameTeam(player, attacker):
			addDamageAssist(player, attacker, damage)


# Destroying an enemy vehicle scores by its kind, see VEHICLE_SCORE;
# emplacements give SCORE_DESTROYSTATIC.
def onVehicleDestroyed(vehicle, attacker):
	"""Scores the destruction of an enemy vehicle or emplacement."""
	if not vehicle or not attacker:
		return
	if vehicle.getTeam() == attacker.getTeam() or vehicle.getTeam() == 0:
		# own or neutral vehicles give nothing
		return
	kind = getVehicleKind(vehicle)
	if kind == VEHICLE_NONE:
		return
	if vehicle.wasEmpty() and kind != VEHICLE_STATIC:
		# empty vehicles still give points, as they cost the enemy
		# a vehicle and the time to wait for it to come back
		attacker.score.emptyVehiclesDestroyed += 1
	if kind == VEHICLE_STATIC:
		addScore(attacker, SCORE_DESTROYSTATIC, SKILL)
	else:
		addScore(attacker, SCORE_DESTROYVEHICLE + VEHICLE_SCORE.get(kind, 0) - 1, SKILL)
	attacker.score.vehiclesDestroyed += 1
	sendScoreMessage(attacker, "Vehicle destroyed: %s" % vehicle.templateName)


# The driver of a vehicle is remembered when a player gets in.
def onEnterVehicle(player, vehicle, freeSoldier=False):
	"""Remembers who drives, for the driver assists."""
	if not player or not vehicle:
		return
	if freeSoldier:
		# a soldier who jumps in from the spawn screen has no driver
		player.lastDriver = None
		return
	if player.isDriver():
		vehicle.lastDriver = player
	player.lastDriver = getDriver(vehicle)


# Getting out clears the driver of the vehicle.
def onExitVehicle(player, vehicle):
	"""Leaving a vehicle starts the time of the driver assist."""
	if not player or not vehicle:
		return
	player.lastExitTime = host.timer_getWallTime()
	if vehicle.lastDriver == player:
		vehicle.lastDriver = None


# A kill by a gunner gives the driver and the passengers of the
# same vehicle an assist each.
def giveDriverAssist(vehicle, gunner):
	"""The driver shares a kill made by a gunner of his vehicle."""
	driver = getDriver(vehicle)
	if not driver and vehicle.lastDriver:
		# the driver may have left the seat a moment ago
		if host.timer_getWallTime() - vehicle.lastDriver.lastExitTime < DRIVER_ASSIST_TIME:
			driver = vehicle.lastDriver
	if not driver or driver == gunner:
		return
	if not sameTeam(driver, gunner):
		return
	driver.score.driverAssists += 1
	addScore(driver, SCORE_DRIVERASSIST, SKILL)
	for player in vehicle.getOccupyingPlayers():
		if player != driver and player != gunner and sameTeam(player, gunner):
			player.score.passengerAssists += 1
			addScore(player, SCORE_PASSENGERASSIST, SKILL)


# A control point that changes hands scores the players who took
# it, or made it neutral, and the defenders close by.
def onCPStatusChange(controlPoint, attackingTeam):
	"""Called when a control point is taken or made neutral."""
	if not controlPoint:
		return
	position = controlPoint.getPosition()
	if controlPoint.cp_getParam('unableToChangeTeam'):
		# main bases cannot be taken and give no score
		return
	if controlPoint.cp_getParam('team') == 0:
		# the point went neutral
		giveCaptureScore(position, attackingTeam, SCORE_NEUTRALIZE, SCORE_NEUTRALIZEASSIST)
	else:
		giveCaptureScore(position, attackingTeam, SCORE_CAPTURE, SCORE_CAPTUREASSIST)
		giveDefendScore(controlPoint)
	updateTickets(None)


# The first player found at the point gets the capture score, the
# others within CAPTURE_DISTANCE metres the capture assist; all of
# them earn the strategic score as well.
def giveCaptureScore(position, team, score, assistScore):
	"""Scores all players of a team who stand at a control point."""
	takers = []
	for player in orv.playerManager.getPlayers():
		if player.getTeam() != team or not player.isAlive():
			continue
		soldier = player.getDefaultVehicle()
		if soldier and getDistance(soldier.getPosition(), position) <= CAPTURE_DISTANCE:
			takers.append(player)
	for i in range(len(takers)):
		if i == 0:
			takers[i].score.cpCaptures += 1
			addScore(takers[i], score, NORMAL)
		else:
			takers[i].score.cpAssists += 1
			addScore(takers[i], assistScore, NORMAL)
	for player in takers:
		addScore(player, SCORE_STRATEGIC, NORMAL)
	if g_debug:
		print("scoringCommon: %d players of team %d took a point" % (len(takers), team))


# Defenders within DEFEND_DISTANCE metres score SCORE_DEFEND, those
# a little further away SCORE_DEFENDASSIST.
def giveDefendScore(controlPoint):
	"""Scores the defenders near a point the enemy failed to hold."""
	position = controlPoint.getPosition()
	owner = controlPoint.cp_getParam('team')
	now = host.timer_getWallTime()
	for player in orv.playerManager.getPlayers():
		if player.getTeam() != owner or not player.isAlive():
			continue
		if now - player.lastSpawnTime < DEFEND_TIME_LIMIT:
			continue
		soldier = player.getDefaultVehicle()
		if not soldier:
			continue
		distance = getDistance(soldier.getPosition(), position)
		if distance <= DEFEND_DISTANCE:
			player.score.cpDefends += 1
			addScore(player, SCORE_DEFEND, NORMAL)
		elif distance <= DEFEND_DISTANCE * 2:
			addScore(player, SCORE_DEFENDASSIST, NORMAL)


# Team work near one's squad earns the squad bonus for every member
# within SQUAD_BONUS_DISTANCE metres; the squad leader earns more.
def giveSquadBonus(player, other):
	"""Team work inside a squad gives the squad leader a bonus."""
	squadID = player.getSquadId()
	if squadID == 0 or not sameTeam(player, other):
		return
	for member in orv.playerManager.getPlayers():
		if member.getTeam() != player.getTeam() or member.getSquadId() != squadID:
			continue
		if member == player or not member.isAlive():
			continue
		soldier = member.getDefaultVehicle()
		mine = player.getDefaultVehicle()
		if not soldier or not mine:
			continue
		if getDistance(soldier.getPosition(), mine.getPosition()) > SQUAD_BONUS_DISTANCE:
			continue
		if member.isSquadLeader():
			addScore(member, SCORE_SQUADLEADERBONUS, SQUADLEADER)
		else:
			addScore(member, SCORE_SQUADBONUS, SQUADMEMBER)
	giveCommanderBonus(player.getTeam())


# Every fifth piece of team work of a side gives its commander a bonus.
def giveCommanderBonus(team):
	"""The commander earns a share of his team's team work."""
	commander = orv.gameLogic.getCommander(team)
	if not commander or not commander.isValid():
		return
	# the commander earns nothing from his own team work
	if commander.getSquadId() != 0:
		return
	commander.score.commanderPoints += 1
	if commander.score.commanderPoints % 5 == 0:
		addScore(commander, SCORE_COMMANDERBONUS, CMDR)


# Each death costs the side TICKETS_PER_DEATH tickets; a warning goes
# out when a side is down to LOW_TICKETS.
def updateTickets(victim):
	"""Takes tickets from the team of a dead soldier and warns when low."""
	if victim:
		team = victim.getTeam()
		tickets = orv.gameLogic.getTickets(team) - TICKETS_PER_DEATH
		orv.gameLogic.setTickets(team, max(tickets, 0))
	for team in (1, 2):
		tickets = orv.gameLogic.getTickets(team)
		if tickets == LOW_TICKETS:
			host.rcon_invoke('game.sayTeam %d "Reinforcements are running low"' % team)
		elif tickets == 0 and g_debug:
			print("scoringCommon: team %d has no tickets left" % team)


# Helper: the player with the highest score on one side.
def findBestPlayer(team):
	"""The player of a team with the highest score, or None for an empty team."""
	best = None
	for player in orv.playerManager.getPlayers():
		if player.getTeam() != team:
			continue
		if best is None or player.score.score > best.score.score:
			best = player
	return best


# Helper: a short message in the corner of the player's screen.
# Bots get no messages.
def sendScoreMessage(player, text):
	"""Shows a short score message to one player."""
	if not player or not player.isValid() or player.isAIPlayer():
		return
	if len(text) > 60:
		# the message box in the corner holds one short line
		text = text[:57] + "..."
	host.sgl_sendTextMessage(player.index, 10, 1, text, SCORE_MESSAGE_DELAY)


# Helper: the date and time for the debug output.
def date():
	"""Today's date as text, for the debug log."""
	import time
	return time.strftime("%Y-%m-%d %H:%M:%S", time.localtime())
